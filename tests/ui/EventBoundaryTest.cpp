// Running out of memory in the middle of a command is a message, not the end of the program.

#include "UiTestSupport.h"

#include <QCoreApplication>
#include <QEvent>

#include <new>

using namespace ranvik;
using ranvik::test::WindowTest;

namespace {

// Stands for any handler whose work asks for more memory than there is.
class Exhausting : public QObject {
  public:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::User)
            throw std::bad_alloc();
        return QObject::event(event);
    }
};

class EventBoundaryTest : public WindowTest {};

} // namespace

TEST_F(EventBoundaryTest, OutOfMemoryInAHandlerShowsAMessageAndKeepsTheChart) {
    setCell(1, 1, "Anne");
    QString message;
    prompts::enqueue(clickStandard(QMessageBox::Ok, &message));
    Exhausting handler;
    QEvent event(QEvent::User);
    EXPECT_FALSE(QCoreApplication::sendEvent(&handler, &event));
    EXPECT_TRUE(message.contains(QStringLiteral("out of memory"))) << message.toStdString();
    EXPECT_EQ(cell(1, 1), "Anne");
    EXPECT_TRUE(form().isVisible());
}
