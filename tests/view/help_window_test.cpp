#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <vector>

#include "desktop/help_window/help_window.h"
#include "desktop/help_window/tab_strip.h"
#include "desktop/help_window/tab_strip_accessible.h"
#include "view/view_fixture.h"

namespace pairon {
namespace {

// The help windows that exist. One closed through its frame goes at the next
// turn of the event loop, so let that turn happen first.
std::vector<HelpWindow*> HelpWindows() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::vector<HelpWindow*> found;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* help = qobject_cast<HelpWindow*>(widget)) found.push_back(help);
    }
    return found;
}

HelpWindow* OpenHelp(ViewFixture& ui) {
    ui.Press("cmdHelp");
    return ui.view.Help();
}

void ChooseTab(HelpWindow& help, int k) {
    TabStrip* tabs = help.Tabs();
    QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->TabRect(k).center());
}

// The page a player sees: the one on top in the middle of the page area.
int SeenPage(const HelpWindow& help) {
    QWidget* hit = help.childAt(help.Page(0)->geometry().center());
    for (int k = 0; k < HelpWindow::kPageCount; ++k) {
        if (hit && (hit == help.Page(k) || help.Page(k)->isAncestorOf(hit))) return k;
    }
    return -1;
}

std::vector<int> VisiblePages(const HelpWindow& help) {
    std::vector<int> visible;
    for (int k = 0; k < HelpWindow::kPageCount; ++k) {
        if (help.Page(k)->isVisible()) visible.push_back(k);
    }
    return visible;
}

TEST(HelpWindow, HelpOpensOneCentredWindowOnTheIntroduction) {
    ViewFixture ui;
    EXPECT_TRUE(HelpWindows().empty());
    HelpWindow* help = OpenHelp(ui);
    ASSERT_NE(help, nullptr);
    ASSERT_EQ(HelpWindows(), std::vector<HelpWindow*>{help});

    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->windowTitle(), "Help");
    EXPECT_EQ(help->size(), QSize(545, 361));
    EXPECT_EQ(help->windowIcon().cacheKey(), ui.view.windowIcon().cacheKey());
    const QPoint screenCentre = help->screen()->availableGeometry().center();
    // Centred, give or take the width of the window's frame.
    EXPECT_LE((help->frameGeometry().center() - screenCentre).manhattanLength(), 6);

    // Only the Introduction is shown, also to a screen reader.
    EXPECT_EQ(help->Tabs()->CurrentIndex(), 0);
    EXPECT_EQ(VisiblePages(*help), std::vector<int>{0});
    EXPECT_EQ(SeenPage(*help), 0);
    // Nothing covers End Help.
    QPushButton* end = help->EndButton();
    EXPECT_EQ(help->childAt(end->geometry().center()), end);
}

TEST(HelpWindow, TabsNameTheirPagesInOrderAndFitTheirCaptions) {
    ViewFixture ui;
    HelpWindow* help = OpenHelp(ui);
    TabStrip* tabs = help->Tabs();
    const QStringList captions{"Introduction",     "Aim of the Game",  "Starting a New Game",
                               "Entering Players", "Playing the Game", "About Pairon"};
    ASSERT_EQ(tabs->Count(), captions.size());
    for (int k = 0; k < tabs->Count(); ++k) {
        EXPECT_EQ(tabs->TabText(k), captions[k]);
        const QRect tab = tabs->TabRect(k);
        EXPECT_GT(tab.width(), tabs->fontMetrics().horizontalAdvance(captions[k])) << k;
        // Every tab lies in the band above the pages, inside the strip.
        EXPECT_TRUE(tabs->rect().contains(tab)) << k;
        EXPECT_LE(tabs->mapTo(help, tab.bottomLeft()).y(), help->Page(0)->y()) << k;
        for (int other = 0; other < k; ++other) EXPECT_FALSE(tab.intersects(tabs->TabRect(other))) << k << other;
    }
    // The pages share one place within the strip's body, below the tabs.
    for (int k = 0; k < HelpWindow::kPageCount; ++k) {
        const QRect page = help->Page(k)->geometry();
        EXPECT_EQ(page.topLeft(), QPoint(160, 64)) << k;
        EXPECT_TRUE(tabs->geometry().contains(page)) << k;
    }
}

TEST(HelpWindow, EveryTextFitsItsLabel) {
    ViewFixture ui;
    HelpWindow* help = OpenHelp(ui);
    QString about;
    int labels = 0;
    for (int k = 0; k < HelpWindow::kPageCount; ++k) {
        for (QLabel* label : help->Page(k)->findChildren<QLabel*>()) {
            ++labels;
            const QRect inside = help->Page(k)->rect();
            EXPECT_TRUE(inside.contains(label->geometry())) << label->objectName().toStdString();
            if (label->wordWrap()) {
                EXPECT_LE(label->heightForWidth(label->width()), label->height()) << label->objectName().toStdString();
            } else {
                EXPECT_LE(label->sizeHint().width(), label->width()) << label->objectName().toStdString();
            }
            if (k == 5) about += label->text() + "\n";
        }
    }
    EXPECT_EQ(labels, 5 + 4);
    EXPECT_TRUE(about.contains("Pairon"));
    EXPECT_TRUE(about.contains("The Pairon developers"));
    EXPECT_TRUE(about.contains(PAIRON_VERSION));
    EXPECT_TRUE(about.contains("MIT License"));
}

TEST(HelpWindow, EachTabShowsItsOwnPageAlone) {
    ViewFixture ui;
    HelpWindow* help = OpenHelp(ui);
    for (int k : {5, 2, 0, 4, 1, 3}) {
        ChooseTab(*help, k);
        EXPECT_EQ(help->Tabs()->CurrentIndex(), k);
        EXPECT_EQ(VisiblePages(*help), std::vector<int>{k});
        EXPECT_EQ(SeenPage(*help), k);
        // The selected tab's row is the one that touches the pages.
        for (int other = 0; other < HelpWindow::kPageCount; ++other) {
            EXPECT_GE(help->Tabs()->TabRect(k).bottom(), help->Tabs()->TabRect(other).bottom()) << k << other;
        }
    }
    // Choosing the tab that is already selected keeps its page.
    ChooseTab(*help, 3);
    ChooseTab(*help, 3);
    EXPECT_EQ(VisiblePages(*help), std::vector<int>{3});
    // The arrow keys move along the tabs.
    QTest::keyClick(help->Tabs(), Qt::Key_Right);
    EXPECT_EQ(VisiblePages(*help), std::vector<int>{4});
    QTest::keyClick(help->Tabs(), Qt::Key_Left);
    QTest::keyClick(help->Tabs(), Qt::Key_Left);
    EXPECT_EQ(VisiblePages(*help), std::vector<int>{2});
}

TEST(HelpWindow, EndHelpHidesTheWindowAndHelpShowsTheSamePageAgain) {
    ViewFixture ui;
    HelpWindow* help = OpenHelp(ui);
    ChooseTab(*help, 5);
    QTest::mouseClick(help->EndButton(), Qt::LeftButton);
    // Hidden, not discarded.
    ASSERT_EQ(HelpWindows(), std::vector<HelpWindow*>{help});
    EXPECT_FALSE(help->isVisible());

    EXPECT_EQ(OpenHelp(ui), help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(help->Tabs()->CurrentIndex(), 5);
    EXPECT_EQ(VisiblePages(*help), std::vector<int>{5});
    EXPECT_EQ(SeenPage(*help), 5);
}

// The tabs that the strip's focus reports named, in order.
std::vector<int> reportedTabs;
void RecordTabReport(QAccessibleEvent* event) {
    if (event->type() == QAccessible::Focus && event->object()) reportedTabs.push_back(event->child());
}

// The texts a screen reader finds in the window: those of everything shown,
// down from the window.
QStringList ShownTexts(QAccessibleInterface* node) {
    QStringList texts;
    if (!node || node->state().invisible) return texts;
    if (!node->text(QAccessible::Name).isEmpty()) texts << node->text(QAccessible::Name);
    for (int k = 0; k < node->childCount(); ++k) texts << ShownTexts(node->child(k));
    return texts;
}

// What a screen reader reads of page k.
QString PageText(const HelpWindow& help, int k) {
    return QAccessible::queryAccessibleInterface(help.Page(k))->text(QAccessible::Name);
}

TEST(HelpWindow, AScreenReaderHearsEachTopicWithItsPlaceReadsOnlyTheShownPageAndEscapeEndsHelp) {
    struct Listening {
        Listening() {
            reportedTabs.clear();
            ListenToTabReports(RecordTabReport);
        }
        ~Listening() { ListenToTabReports(nullptr); }
    } listening;
    ViewFixture ui;
    HelpWindow* help = OpenHelp(ui);
    ASSERT_TRUE(QTest::qWaitForWindowActive(help));
    TabStrip* tabs = help->Tabs();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(tabs);
    ASSERT_EQ(list->role(), QAccessible::PageTabList);
    ASSERT_EQ(list->childCount(), HelpWindow::kPageCount);
    // The strip has the focus as the window opens; once it has been told, the
    // focus moves on to the selected tab.
    ASSERT_EQ(QApplication::focusWidget(), tabs);
    QCoreApplication::processEvents();
    EXPECT_EQ(reportedTabs, std::vector<int>{0});

    auto expectShown = [&](int k) {
        SCOPED_TRACE(k);
        for (int t = 0; t < HelpWindow::kPageCount; ++t) {
            QAccessibleInterface* tab = list->child(t);
            ASSERT_NE(tab, nullptr);
            EXPECT_EQ(tab->role(), QAccessible::PageTab);
            EXPECT_EQ(tab->text(QAccessible::Name), tabs->TabText(t));
            // A screen reader tells "t + 1 of 6" from these.
            EXPECT_EQ(list->indexOfChild(tab), t);
            EXPECT_EQ(tab->parent(), list);
            EXPECT_EQ(tab->state().selected, t == k) << t;
            EXPECT_EQ(tab->state().focused, t == k && tabs->hasFocus()) << t;
            EXPECT_TRUE(tabs->mapToGlobal(tabs->TabRect(t).center()) == tab->rect().center()) << t;
        }
        if (tabs->hasFocus()) {
            EXPECT_EQ(list->focusChild(), list->child(k));
        }
        // Of the pages' texts, only the shown page's is there to be read.
        const QStringList shown = ShownTexts(QAccessible::queryAccessibleInterface(help));
        for (int p = 0; p < HelpWindow::kPageCount; ++p) {
            const QString text = PageText(*help, p);
            ASSERT_FALSE(text.isEmpty()) << p;
            EXPECT_EQ(shown.contains(text), p == k) << p;
        }
    };
    expectShown(0);

    // Every move of the arrows reports the newly selected tab.
    const std::vector<std::pair<Qt::Key, int>> moves{{Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_End, 5},
                                                     {Qt::Key_Left, 4},  {Qt::Key_Home, 0},  {Qt::Key_Right, 1}};
    std::vector<int> reported{0};
    for (const auto& [key, k] : moves) {
        QTest::keyClick(tabs, key);
        reported.push_back(k);
        EXPECT_EQ(reportedTabs, reported);
        expectShown(k);
    }

    // Tab reads the shown page's text, then goes on to End Help; back on the
    // strip, the selected tab is told again.
    QTest::keyClick(tabs, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), help->Page(1));
    EXPECT_TRUE(PageText(*help, 1).startsWith("The aim of the game"));
    QTest::keyClick(help->Page(1), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), help->EndButton());
    QTest::keyClick(help->EndButton(), Qt::Key_Backtab);
    QTest::keyClick(help->Page(1), Qt::Key_Backtab);
    ASSERT_EQ(QApplication::focusWidget(), tabs);
    QCoreApplication::processEvents();
    reported.push_back(1);
    EXPECT_EQ(reportedTabs, reported);
    // The About page reads all four of its texts.
    ChooseTab(*help, 5);
    expectShown(5);
    EXPECT_TRUE(PageText(*help, 5).contains("MIT License"));

    // Escape ends help as End Help does, keeping the tab and its page.
    ChooseTab(*help, 3);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(help->isVisible());
    ASSERT_EQ(HelpWindows(), std::vector<HelpWindow*>{help});
    EXPECT_EQ(OpenHelp(ui), help);
    EXPECT_EQ(help->Tabs()->CurrentIndex(), 3);
    EXPECT_EQ(VisiblePages(*help), std::vector<int>{3});
    expectShown(3);
}

TEST(HelpWindow, HelpWhileOpenBringsTheSameWindowForward) {
    ViewFixture ui;
    HelpWindow* help = OpenHelp(ui);
    ChooseTab(*help, 2);
    ui.view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&ui.view));

    EXPECT_EQ(OpenHelp(ui), help);
    EXPECT_EQ(HelpWindows(), std::vector<HelpWindow*>{help});
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(QTest::qWaitForWindowActive(help));
    EXPECT_EQ(VisiblePages(*help), std::vector<int>{2});
}

TEST(HelpWindow, TheGameGoesOnWhileHelpIsOpen) {
    ViewFixture ui;
    HelpWindow* help = OpenHelp(ui);
    ui.Press("cmdNew");
    EXPECT_EQ(static_cast<QPushButton*>(ui.Control("cmdNew"))->text(), "End Game");
    EXPECT_TRUE(ui.Control("fraPlayers")->isVisible());
    ui.Press("cmdDone");
    ui.ClickCard(0);
    EXPECT_EQ(ui.form.lstSelection.Count(), 1u);
    EXPECT_TRUE(help->isVisible());
    EXPECT_EQ(VisiblePages(*help), std::vector<int>{0});
}

TEST(HelpWindow, ClosingThroughTheFrameDiscardsTheWindow) {
    ViewFixture ui;
    HelpWindow* help = OpenHelp(ui);
    ChooseTab(*help, 5);
    help->close();
    EXPECT_TRUE(HelpWindows().empty());
    EXPECT_EQ(ui.view.Help(), nullptr);

    // The next Help starts afresh on the Introduction.
    help = OpenHelp(ui);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(HelpWindows(), std::vector<HelpWindow*>{help});
    EXPECT_EQ(help->Tabs()->CurrentIndex(), 0);
    EXPECT_EQ(SeenPage(*help), 0);
}

TEST(HelpWindow, ExitEndsTheHelpWindowToo) {
    ViewFixture ui;
    OpenHelp(ui);
    ui.Press("cmdExit");
    EXPECT_TRUE(ui.form.exitRequested);
    EXPECT_TRUE(HelpWindows().empty());
}

}  // namespace
}  // namespace pairon
