#pragma once

class QAccessibleEvent;
class QAccessibleInterface;
class QObject;
class QString;

namespace pairon {

class TabStrip;

// What a screen reader finds of a tab strip: a list of page tabs, one item for
// each tab with its caption, its place among the tabs and whether it is the
// selected one; and of a page: the text of its labels.
QAccessibleInterface* TabStripInterface(const QString& className, QObject* object);

// Tells a screen reader that the selected tab has the focus now; the strip
// calls it when it gains the focus and whenever its selection moves while it
// has the focus.
void ReportFocusedTab(TabStrip& strip);

// Where those reports go: to the screen reader through Qt, or, while a test
// listens, to `listener` instead (none: to the screen reader again).
using TabReportListener = void (*)(QAccessibleEvent* event);
void ListenToTabReports(TabReportListener listener);

}  // namespace pairon
