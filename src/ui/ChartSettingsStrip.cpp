#include "ui/ChartSettingsStrip.h"

#include "document/ChartDocument.h"
#include "ui/DocumentSignals.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

#include <array>

namespace ranvik {

ChartSettingsStrip::ChartSettingsStrip(ChartDocument& document, DocumentSignals& changes,
                                       QWidget* parent)
    : SettingsStrip(parent), document_(document) {
    // Counts and the report button in one line, the type and the database's switch in
    // another (side by side when the window is wide): the chart keeps the height. Every size
    // comes from the font.
    QLayout* counts = buildCounts();
    setBlocks(counts, buildType());
    connect(&changes, &DocumentSignals::shapeChanged, this, &ChartSettingsStrip::sync);
    sync();
}

// A count's label and box, added to `row` with a gap after them; the box takes its value
// when the director presses Enter or leaves it, not at each digit typed.
QSpinBox* ChartSettingsStrip::addCount(QBoxLayout& row, QLabel* label, const char* name,
                                       std::array<int, 3> leastMostStart) {
    auto* box = new QSpinBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(leastMostStart[0], leastMostStart[1]);
    box->setValue(leastMostStart[2]);
    box->setKeyboardTracking(false);
    label->setBuddy(box);
    row.addWidget(label);
    row.addWidget(box);
    row.addSpacing(fontMetrics().averageCharWidth() * 2);
    return box;
}

QLayout* ChartSettingsStrip::buildCounts() {
    auto* counts = new QHBoxLayout;
    auto* playersLabel = new QLabel(tr("&Players:"), this);
    playersLabel->setObjectName(QStringLiteral("playersLabel"));
    playersBox_ =
        addCount(*counts, playersLabel, "playersBox",
                 {Tournament::MinPlayers, Tournament::MaxPlayers, Tournament::StartPlayers});
    roundsLabel_ = new QLabel(tr("&Rounds:"), this);
    roundsLabel_->setObjectName(QStringLiteral("roundsLabel"));
    roundsBox_ = addCount(*counts, roundsLabel_, "roundsBox",
                          {Tournament::MinRounds, Tournament::MaxRounds, Tournament::StartRounds});
    auto* reportButton = new QPushButton(tr("Create report for &QRB..."), this);
    reportButton->setObjectName(QStringLiteral("reportButton"));
    counts->addWidget(reportButton);
    counts->addStretch(1);

    connect(playersBox_, &QSpinBox::valueChanged, this, &ChartSettingsStrip::playersCountChanged);
    connect(roundsBox_, &QSpinBox::valueChanged, this, &ChartSettingsStrip::roundsCountChanged);
    connect(reportButton, &QPushButton::clicked, this, &ChartSettingsStrip::reportRequested);
    return counts;
}

QLayout* ChartSettingsStrip::buildType() {
    auto* typeGroup = new QGroupBox(tr("Tournament type"), this);
    typeGroup->setObjectName(QStringLiteral("typeGroup"));
    typeGroup->setFlat(true); // a title over the buttons, no frame: one line less
    auto* radios = new QHBoxLayout(typeGroup);
    typeButtons_ = new QButtonGroup(typeGroup);
    typeButtons_->setObjectName(QStringLiteral("typeButtons"));
    const QString captions[] = {tr("S&wiss/Match"), tr("Round ro&bin"), tr("Do&uble round robin")};
    const char* names[] = {"swissRadio", "roundRobinRadio", "doubleRoundRobinRadio"};
    for (int i = 0; i < 3; ++i) {
        auto* radio = new QRadioButton(captions[i], typeGroup);
        radio->setObjectName(QString::fromLatin1(names[i]));
        typeButtons_->addButton(radio, i);
        radios->addWidget(radio);
    }
    radios->addStretch(1);
    typeButtons_->button(0)->setChecked(true);

    showMembersBox_ = new QCheckBox(tr("&View database"), this);
    showMembersBox_->setObjectName(QStringLiteral("showMembersBox"));
    showMembersBox_->setChecked(true);
    auto* type = new QHBoxLayout;
    type->addWidget(typeGroup);
    type->addWidget(showMembersBox_, 0, Qt::AlignBottom);
    type->addStretch(1);

    connect(typeButtons_, &QButtonGroup::idClicked, this, &ChartSettingsStrip::typeChosen);
    connect(showMembersBox_, &QCheckBox::clicked, this, &ChartSettingsStrip::membersShownChanged);
    return type;
}

void ChartSettingsStrip::sync() {
    const Tournament& tournament = document_.tournament();
    syncing_ = true;
    playersBox_->setValue(tournament.numPlayers());
    roundsBox_->setValue(tournament.numRounds());
    typeButtons_->button(static_cast<int>(tournament.type()))->setChecked(true);
    // The rounds count means something only where the columns are rounds.
    roundsBox_->setEnabled(tournament.rules().columnsAreRounds());
    roundsLabel_->setEnabled(tournament.rules().columnsAreRounds());
    syncing_ = false;
}

bool ChartSettingsStrip::membersShown() const {
    return showMembersBox_->isChecked();
}

void ChartSettingsStrip::setMembersShown(bool shown) {
    showMembersBox_->setChecked(shown);
}

QWidget* ChartSettingsStrip::focusTarget() const {
    return playersBox_;
}

// A change the director cancels at the question puts the control back.
void ChartSettingsStrip::playersCountChanged(int value) {
    if (!syncing_ && document_.setPlayers(value) != Outcome::Done)
        sync();
}

void ChartSettingsStrip::roundsCountChanged(int value) {
    if (!syncing_ && document_.setRounds(value) != Outcome::Done)
        sync();
}

void ChartSettingsStrip::typeChosen(int id) {
    if (syncing_)
        return;
    document_.setType(static_cast<TournamentType>(id));
    sync();
}

} // namespace ranvik
