// The core's messages in the window: every kind's English word for word, and a French text
// for each that carries the same values.

#include "ui/MessageText.h"
#include "ui/QtText.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>

#include <gtest/gtest.h>

namespace ranvik::test {
namespace {

QSet<QString> Markers(const QString& text) {
    static const QRegularExpression marker(QStringLiteral("%[1-9]"));
    QSet<QString> found;
    for (auto it = marker.globalMatch(text); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

TEST(MessageText, EveryKindHasTheCoreEnglishAndAFrenchTextWithTheSameValues) {
    QTranslator french;
    ASSERT_TRUE(french.load(QStringLiteral("ranvik_fr"), QStringLiteral(":/i18n")));
    for (int k = 1; k < static_cast<int>(MessageKind::KindCount); ++k) {
        const auto kind = static_cast<MessageKind>(k);
        if (kind == MessageKind::Untranslated)
            continue; // the old sentences, translated as before until the last goes
        const QString english = QString::fromUtf8(MessageSource(kind));
        SCOPED_TRACE(english.toStdString());
        EXPECT_EQ(english, ToQString(EnglishTemplate(kind)));
        const QString translated = french.translate("Message", MessageSource(kind));
        EXPECT_FALSE(translated.isEmpty()) << "no French text";
        EXPECT_EQ(Markers(translated), Markers(english));
    }
}

TEST(MessageText, EnglishWindowShowsWhatTheCommandLinePrints) {
    Message message(MessageKind::MissingName);
    message.then(Message(MessageKind::InconsistentResults), Message::Break::Paragraph);
    EXPECT_EQ(MessageText(message), ToQString(English(message)));
}

} // namespace
} // namespace ranvik::test
