// A trace whose file fills up while the window runs: one warning, the trace
// command unticked, and the window goes on.
#include "WindowFixture.h"

#include "base/Trace.h"

#include <QtCore/QCoreApplication>
#include <QtGui/QAction>
#include <QtTest/QTest>

namespace parlix::ui::test {
namespace {

class TraceWindowTest : public WindowFixture {
  protected:
    void TearDown() override { CloseTrace(); }
};

TEST_F(TraceWindowTest, TraceThatCannotBeWrittenStopsWithOneWarning) {
    auto* action = window->findChild<QAction*>(QStringLiteral("actionTrace"));
    ASSERT_NE(action, nullptr);
    answers.ThenButton(QMessageBox::Ok);
    ASSERT_FALSE(OpenTrace("/dev/full"));
    action->setChecked(true);  // as the trace command leaves it after opening
    TraceEvent("more lines that go nowhere");
    ASSERT_TRUE(QTest::qWaitFor([this] { return !answers.Boxes().empty(); }, 5000));
    // A second warning, were there one, would be queued behind the first.
    QCoreApplication::processEvents();
    ASSERT_EQ(answers.Boxes().size(), 1u);
    EXPECT_EQ(answers.Boxes()[0].title, QStringLiteral("Warning"));
    EXPECT_EQ(answers.Boxes()[0].text,
              QStringLiteral("Tracing has stopped: the trace \"/dev/full\" cannot be written.\n"
                             "No space left on device"));
    EXPECT_FALSE(action->isChecked());
    EXPECT_FALSE(IsTracing());
}

}  // namespace
}  // namespace parlix::ui::test
