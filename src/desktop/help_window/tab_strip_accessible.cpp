#include "desktop/help_window/tab_strip_accessible.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QPointer>
#include <QTextDocument>
#include <QWidget>
#include <QWindow>
#include <vector>

#include "desktop/help_window/tab_strip.h"

namespace pairon {

namespace {

TabReportListener tabReportListener = nullptr;

// One tab of the strip. It holds no state of its own: it reads the strip each
// time it is asked, so it never lags behind the selection.
class TabItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    TabItem(TabStrip* strip, int index) : strip_(strip), index_(index) {}

    bool isValid() const override { return strip_ && index_ < strip_->Count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return strip_ ? strip_->window()->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(strip_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text t) const override {
        if (!strip_) return {};
        if (t == QAccessible::Name) return strip_->TabText(index_);
        // The screen reader speaks a tab's description after its name, but
        // neither its place among the tabs nor whether it is the chosen one.
        if (t == QAccessible::Description) {
            const QString place = QCoreApplication::translate("HelpWindow", "%1 of %2").arg(index_ + 1).arg(strip_->Count());
            if (strip_->CurrentIndex() != index_) return place;
            return QCoreApplication::translate("HelpWindow", "%1, selected").arg(place);
        }
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!strip_) return {};
        const QRect tab = strip_->TabRect(index_);
        return {strip_->mapToGlobal(tab.topLeft()), tab.size()};
    }

    QAccessible::Role role() const override { return QAccessible::PageTab; }

    QAccessible::State state() const override {
        QAccessible::State state;
        if (!strip_) {
            state.invalid = true;
            return state;
        }
        const bool selected = strip_->CurrentIndex() == index_;
        state.focusable = true;
        state.selectable = true;
        state.selected = selected;
        state.focused = selected && strip_->hasFocus();
        state.disabled = !strip_->isEnabled();
        state.invisible = !strip_->isVisible();
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (strip_ && name == pressAction()) strip_->ChooseTab(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TabStrip> strip_;
    int index_;
};

class TabStripAccessible : public QAccessibleWidget {
public:
    explicit TabStripAccessible(TabStrip* strip) : QAccessibleWidget(strip, QAccessible::PageTabList) {}

    ~TabStripAccessible() override {
        for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return Strip()->Count(); }

    QAccessibleInterface* child(int index) const override {
        if (index < 0 || index >= childCount()) return nullptr;
        while (static_cast<int>(ids_.size()) <= index) {
            auto* item = new TabItem(Strip(), static_cast<int>(ids_.size()));
            ids_.push_back(QAccessible::registerAccessibleInterface(item));
        }
        return QAccessible::accessibleInterface(ids_[static_cast<std::size_t>(index)]);
    }

    int indexOfChild(const QAccessibleInterface* item) const override {
        for (std::size_t k = 0; k < ids_.size(); ++k) {
            if (QAccessible::accessibleInterface(ids_[k]) == item) return static_cast<int>(k);
        }
        return -1;
    }

    QAccessibleInterface* childAt(int x, int y) const override {
        const QPoint point = Strip()->mapFromGlobal(QPoint(x, y));
        for (int k = 0; k < childCount(); ++k) {
            if (Strip()->TabRect(k).contains(point)) return child(k);
        }
        return nullptr;
    }

    QAccessibleInterface* focusChild() const override {
        return Strip()->hasFocus() ? child(Strip()->CurrentIndex()) : nullptr;
    }

private:
    TabStrip* Strip() const { return static_cast<TabStrip*>(widget()); }

    mutable std::vector<QAccessible::Id> ids_;
};

// A page reads as one text: that of its labels, one after the other. The
// labels themselves are left out, so the text is not found twice.
class TabPageAccessible : public QAccessibleWidget {
public:
    explicit TabPageAccessible(QWidget* page) : QAccessibleWidget(page, QAccessible::StaticText) {}

    QString text(QAccessible::Text t) const override {
        if (t != QAccessible::Name || !widget()->accessibleName().isEmpty()) return QAccessibleWidget::text(t);
        QStringList lines;
        for (const QLabel* label : widget()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
            if (label->isHidden()) continue;
            if (label->textFormat() == Qt::RichText) {
                QTextDocument document;
                document.setHtml(label->text());
                lines << document.toPlainText();
            } else {
                lines << label->text();
            }
        }
        return lines.join(QLatin1Char('\n'));
    }

    int childCount() const override { return 0; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
};

}  // namespace

QAccessibleInterface* TabStripInterface(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    if (className == QLatin1String("pairon::TabStrip")) return new TabStripAccessible(static_cast<TabStrip*>(object));
    if (className == QLatin1String("pairon::TabPage")) return new TabPageAccessible(static_cast<QWidget*>(object));
    return nullptr;
}

void ListenToTabReports(TabReportListener listener) { tabReportListener = listener; }

void ReportFocusedTab(TabStrip& strip) {
    if (!strip.hasFocus() || strip.CurrentIndex() < 0) return;
    QAccessibleEvent event(&strip, QAccessible::Focus);
    event.setChild(strip.CurrentIndex());
    if (tabReportListener) {
        tabReportListener(&event);
    } else {
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace pairon
