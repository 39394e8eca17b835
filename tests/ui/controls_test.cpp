#include <gtest/gtest.h>

#include "tests/support/virtual_event_loop.h"
#include "ui/controls.h"

namespace vorlane::ui {
namespace {

TEST(ControlRecords, ClicksBehaveAsTheirKind) {
    Window w;
    Control& group = w.Add(ControlKind::GroupBox, "Group", nullptr, 0, 0, 100, 100);
    Control& a = w.Add(ControlKind::RadioButton, "A", &group, 0, 0, 10, 22);
    Control& b = w.Add(ControlKind::RadioButton, "B", &group, 0, 18, 10, 22);
    Control& other = w.Add(ControlKind::RadioButton, "Other", nullptr, 0, 0, 10, 22);
    Control& check = w.Add(ControlKind::CheckBox, "Check", &group, 0, 40, 10, 22);
    Control& label = w.Add(ControlKind::Label, "Label", nullptr, 0, 0, 10, 22);
    std::vector<std::string> fired;
    for (Control* c : {&a, &b, &other, &check, &label}) {
        c->onClick = [&fired, c] { fired.push_back(c->name + (c->checked ? "+" : "-")); };
    }

    w.Click(other);
    w.Click(a);
    w.Click(b);
    w.Click(b);  // selected already: fires again
    w.Click(check);
    w.Click(check);
    w.Click(label);
    EXPECT_EQ(fired, (std::vector<std::string>{"Other+", "A+", "B+", "B+", "Check+", "Check-"}));
    EXPECT_FALSE(a.checked);
    EXPECT_TRUE(other.checked) << "another parent is another set";

    fired.clear();
    a.enabled = false;
    w.Click(a);
    b.visible = false;
    w.Click(b);
    EXPECT_TRUE(fired.empty());
    w.SelectButton(a);  // selection by the program ignores the enabled state
    EXPECT_EQ(fired, std::vector<std::string>{"A+"});
    EXPECT_FALSE(b.checked);

    EXPECT_EQ(w.DescendantsOf(&group).size(), 3u);
    EXPECT_EQ(w.ChildrenOf(nullptr).size(), 3u);
}

TEST(ControlRecords, ListChoiceFiresOncePerChangeAndFreshItemsSelectTheFirst) {
    Window w;
    Control& list = w.Add(ControlKind::DropDownList, "List", nullptr, 0, 0, 10, 22);
    Window::SetItems(list, {"x", "y", "z"});
    list.selectedItem = 2;
    Window::SetItems(list, {"p", "q"});
    EXPECT_EQ(list.selectedItem, 0);
    int changes = 0;
    list.onChange = [&] { ++changes; };
    w.ChooseItem(list, 1);
    w.ChooseItem(list, 1);
    w.ChooseItem(list, 5);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(list.selectedItem, 1);
}

TEST(ControlRecords, CloseRequestsCanBeRefused) {
    Window w;
    bool allow = false;
    int closed = 0;
    int shows = 0;
    w.onCloseRequest = [&] { return allow; };
    w.onClosed = [&] { ++closed; };
    w.onShow = [&] { ++shows; };
    w.Show();
    w.Show();
    EXPECT_EQ(shows, 2);
    EXPECT_FALSE(w.RequestClose());
    EXPECT_FALSE(w.IsClosed());
    allow = true;
    EXPECT_TRUE(w.RequestClose());
    EXPECT_TRUE(w.RequestClose());
    EXPECT_EQ(closed, 1);
}

TEST(VirtualEventLoop, RunsTasksAtTheirDueTimeInOrder) {
    VirtualEventLoop loop;
    std::vector<std::pair<std::int64_t, int>> ran;
    loop.RunAfter(300, [&] { ran.emplace_back(loop.NowMs(), 3); });
    loop.RunAfter(100, [&] {
        ran.emplace_back(loop.NowMs(), 1);
        loop.RunAfter(100, [&] { ran.emplace_back(loop.NowMs(), 2); });
    });
    loop.Post([&] { ran.emplace_back(loop.NowMs(), 0); });
    loop.RunAfter(100, [&] { ran.emplace_back(loop.NowMs(), 11); });
    loop.AdvanceTo(250);
    EXPECT_EQ(loop.NowMs(), 250);
    loop.RunUntilIdle();
    EXPECT_EQ(ran, (std::vector<std::pair<std::int64_t, int>>{
                       {0, 0}, {100, 1}, {100, 11}, {200, 2}, {300, 3}}));
    EXPECT_FALSE(loop.HasPendingTasks());
}

}  // namespace
}  // namespace vorlane::ui
