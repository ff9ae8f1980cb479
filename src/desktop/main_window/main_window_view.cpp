#include "desktop/main_window/main_window_view.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>
#include <QSlider>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <utility>

#include "board/board.h"
#include "game/game_rules.h"
#include "opponent/opponent.h"
#include "pictures/picture_files.h"
#include "decks/deck_import.h"
#include "desktop/help_window/help_window.h"
#include "desktop/accessibility/accessibility.h"
#include "desktop/widgets/board_navigator.h"
#include "files/choices_file.h"
#include "desktop/decks/deck_list.h"
#include "desktop/widgets/drop_down.h"
#include "desktop/widgets/game_style.h"
#include "desktop/widgets/line_label.h"
#include "files/picture_loader.h"
#include "desktop/widgets/picture_widgets.h"
#include "desktop/translation/translation.h"
#include "desktop/zoom/window_zoom.h"
#include "window/setup_flow.h"

namespace pairon {

namespace {

QFont DialogFont(double points, bool bold = false, bool underline = false) {
    QFont font;
    font.setFamily(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont FontFor(FontRole role) {
    switch (role) {
        case FontRole::Default: return DialogFont(8.25);
        case FontRole::Button: return DialogFont(8.25, true);
        case FontRole::PanelCaption: return DialogFont(8.25, true, true);
        case FontRole::Bold: return DialogFont(8.25, true);
        case FontRole::Outcome: return DialogFont(9.75, true);
    }
    return DialogFont(8.25);
}

// A picture drawn at the picture scale keeps its place's size on screen and
// shows every pixel it has on a screen of that scale.
QPixmap AtPictureScale(QPixmap picture) {
    picture.setDevicePixelRatio(kPictureScale);
    return picture;
}

// The picture a control of the layout carries before the game loads a file
// into it. A sharp screen gets it drawn at the picture scale; a screen at
// 100 percent gets it drawn at that size, and the board, which shows at
// start-up, as raw pixels with nothing to decode.
QPixmap LayoutPicture(const std::string& name, bool sharp, const WindowZoom& zoom) {
    QString picture;
    if (name == "imgGame") picture = QStringLiteral("GameBoard");
    if (name == "imgPlayer") picture = QStringLiteral("PlayerPanel");
    if (name == "imgCard") picture = QStringLiteral("CardSlot");
    if (name == "picResult") picture = QStringLiteral("ResultStart");
    if (picture.isEmpty()) return {};
    const QPixmap drawn = zoom.DrawnPicture(picture.toStdString() + ".png", kPictureScale);
    if (!drawn.isNull()) return drawn;
    if (sharp) {
        return AtPictureScale(
            QPixmap::fromImage(QImage(QStringLiteral(":/layout/%1@%2x.png").arg(picture).arg(kPictureScale))));
    }
    if (name == "imgGame") {
        return QPixmap::fromImage(RawPictureResource(QStringLiteral(":/layout/GameBoard.pixels"), true));
    }
    return QPixmap::fromImage(QImage(QStringLiteral(":/layout/%1.png").arg(picture)));
}

void SetShown(QWidget* widget, bool visible) {
    if (widget->isHidden() == visible) widget->setVisible(visible);
}

}  // namespace

MainWindowView::MainWindowView(MainForm& form, QString pictureFolder, ChoicesFile* choices, QWidget* parent)
    : QWidget(parent),
      form_(form),
      pictureFolder_(std::move(pictureFolder)),
      choices_(choices),
      timers_(
          form_, [this] { Handle([this] { tmrCardDelay_Timer(form_); }); },
          [this] { Handle([this] { tmrComputerDelay_Timer(form_); }); }) {

    setWindowTitle(MainWindowCaption());
    QIcon icon;
    // The sizes a title bar and a task switcher use, as raw pixels: a file
    // given to QIcon would be decoded at once.
    for (int size : {16, 32, 48, 64}) {
        icon.addPixmap(QPixmap::fromImage(RawPictureResource(QStringLiteral(":/layout/icon-%1.pixels").arg(size), false)));
    }
    setWindowIcon(icon);
    setFont(FontFor(FontRole::Default));
    zoom_ = new WindowZoom(this, ToPixels(kMainClientWidth), ToPixels(kMainClientHeight));
    connect(zoom_, &WindowZoom::pictureScaleChanged, this, [this] {
        sharpPictures_ = SharpScreen();
        RedrawPictures();
    });
    sharpPictures_ = SharpScreen();

    InstallAccessibleInterfaces();
    BuildWidgets();
    if (auto* cards = qobject_cast<QComboBox*>(FindBuilt("cmbCards"))) {
        decks_ = new DeckList(cards, DeckStore(DeckStore::UsualFolder()), this);
    }
    // F1 opens the help as the Help button does, wherever the focus is.
    auto* help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { cmdHelp_Click(); });
    // Not through Handle(): the hidden panels are built after the first paint.
    Form_Load(form_);
    if (choices_) choices_->Restore(form_);
    if (decks_) decks_->Restore(choices_);
    if (choices_) KeepZoom(*zoom_, *choices_);
    Sync();
}

MainWindowView::~MainWindowView() {
    if (help_) delete help_.data();
}

void MainWindowView::BuildWidgets() {
    // The panels hidden at start-up, and every control on them, wait until
    // the window has been painted: nobody sees them before New Game.
    const auto& layout = MainWindowLayout();
    controls_.reserve(layout.size());
    std::vector<std::string_view> waiting;
    for (const ControlLayout& c : layout) {
        if (c.kind == ControlKind::List || c.kind == ControlKind::Timer) continue;
        const bool onWaitingPanel = std::find(waiting.begin(), waiting.end(), c.container) != waiting.end();
        if (onWaitingPanel || (c.kind == ControlKind::Panel && !c.visibleAtStart)) {
            waiting.push_back(c.name);
            unbuilt_.push_back(&c);
            continue;
        }
        BuildControl(c);
    }
    BuildBoardNavigator();
    ArrangeControls();
}

void MainWindowView::BuildRemainingControls() {
    if (unbuilt_.empty()) return;
    for (const ControlLayout* c : std::exchange(unbuilt_, {})) BuildControl(*c);
    // Back into the layout's order, which Sync() and the stacking follow.
    std::sort(controls_.begin(), controls_.end(),
              [](const Bound& a, const Bound& b) { return std::less<>()(a.layout, b.layout); });
    ArrangeControls();
    Sync();
}

void MainWindowView::BuildControl(const ControlLayout& c) {
    QWidget* parent = this;
    if (!c.container.empty()) {
        parent = FindBuilt(c.container);
        if (!parent) return;
    }
    QWidget* widget = CreateWidget(c, parent);
    widget->setObjectName(Untranslated(c.index < 0 ? c.name : c.name + "_" + std::to_string(c.index)));
    zoom_->Place(widget, c);
    SetShown(widget, c.visibleAtStart);
    controls_.push_back(Bound{&c, widget, FindControl(form_, c.name, c.index)});
    ConnectEvents(controls_.back());
    NameControl(controls_.back());
}

void MainWindowView::ArrangeControls() {
    // Within a container, controls listed first lie on top.
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) it->widget->raise();
    // The card slots never overlap one another: raised in reading order, they
    // stay above the board's picture and a screen reader meets them row by
    // row, left to right.
    for (int p = 0; p < kCardSlots; ++p) {
        if (QWidget* card = FindBuilt("imgCard", p)) card->raise();
    }
    if (board_) board_->raise();
    NameCaptionedControls();

    // The board comes last, after the controls the layout lists.
    QWidget* previous = nullptr;
    for (const ControlName& name : MainWindowFocusOrder()) {
        QWidget* widget = FindBuilt(name.name, name.index);
        if (!widget || widget->focusPolicy() == Qt::NoFocus) continue;
        if (previous) setTabOrder(previous, widget);
        previous = widget;
    }
    if (previous && board_) setTabOrder(previous, board_);
}

void MainWindowView::paintEvent(QPaintEvent* event) {
    QWidget::paintEvent(event);
    // Once this first paint is on screen, the rest of the window is built.
    if (!unbuilt_.empty() && !remainderQueued_) {
        remainderQueued_ = true;
        QMetaObject::invokeMethod(this, [this] { BuildRemainingControls(); }, Qt::QueuedConnection);
    }
}

void MainWindowView::BuildBoardNavigator() {
    QWidget* game = FindBuilt("fraGame");
    if (!game) return;
    std::vector<QWidget*> cards;
    for (int p = 0; p < kCardSlots; ++p) cards.push_back(FindBuilt("imgCard", p));
    auto shown = [this](int p) { return form_.imgCard[static_cast<std::size_t>(p)].visible; };
    board_ = new BoardNavigator(std::move(cards), shown, game);
    board_->setObjectName(QStringLiteral("board"));
    zoom_->Fill(board_);
    board_->raise();
    // A key on the marked card is a click on it, through the same rule.
    connect(board_, &BoardNavigator::activated, this, [this](int p) {
        if (!form_.imgCard[static_cast<std::size_t>(p)].visible) return;
        Handle([this, p] { imgCard_Click(form_, p); });
    });
}

void MainWindowView::NameControl(Bound& bound) {
    const QString name = ControlAccessibleName(*bound.layout);
    if (name.isEmpty()) return;
    bound.widget->setAccessibleName(name);
    // Some screen readers take a list's name from the label that names it,
    // not from the list; the seat rows have no labels on screen, so each
    // list gets one that only assistive technology sees.
    if (bound.layout->name == "cmbPlayerType" || bound.layout->name == "cmbComputerLevel") {
        auto* label = new QLabel(name, bound.widget->parentWidget());
        label->setObjectName(bound.widget->objectName() + QStringLiteral("_label"));
        label->hide();
        label->setBuddy(bound.widget);
    }
}

void MainWindowView::NameCaptionedControls() {
    // The caption labels name the controls beside them.
    const std::pair<const char*, const char*> captions[] = {{"Width", "cmbWidth"},       {"Height", "cmbHeight"},
                                                             {"Players", "cmbPlayers"},   {"Speed", "sldSpeed"},
                                                             {"Remaining", "lblPairs"}, {"Player", "lblPlayerTurn"},
                                                             {"Cards", "cmbCards"}};
    for (const auto& [caption, control] : captions) {
        auto* label = qobject_cast<QLabel*>(FindBuilt(caption));
        if (label && FindBuilt(control)) label->setBuddy(FindBuilt(control));
    }
}

QWidget* MainWindowView::CreateWidget(const ControlLayout& c, QWidget* parent) {
    QWidget* widget = CreateBareWidget(c, parent);
    // The font comes first, so that each text is laid out once, in its own
    // font; set on every control, so no control inherits a panel's caption font.
    widget->setFont(FontFor(c.font));
    const QString caption = ShownText(c, c.caption);
    if (auto* button = qobject_cast<QPushButton*>(widget)) button->setText(caption);
    if (auto* panel = qobject_cast<QGroupBox*>(widget)) panel->setTitle(caption);
    if (auto* line = qobject_cast<LineLabel*>(widget)) {
        line->SetLine(caption);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(caption);
    }
    if (auto* box = qobject_cast<QCheckBox*>(widget)) box->setText(caption);
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) edit->setText(caption);
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        for (const std::string& item : c.items) list->addItem(ShownText(c, item));
        list->setCurrentIndex(-1);
    }
    return widget;
}

QWidget* MainWindowView::CreateBareWidget(const ControlLayout& c, QWidget* parent) {
    switch (c.kind) {
        case ControlKind::Button: return new QPushButton(parent);
        case ControlKind::Panel: {
            // Panels that share a place must hide what lies beneath them.
            auto* panel = new QGroupBox(parent);
            panel->setAutoFillBackground(true);
            panel->setStyle(TheGameStyle());
            return panel;
        }
        case ControlKind::Label: {
            // A label one line high keeps its text on that line; a taller
            // one ("Game Speed") wraps its caption as laid out.
            QLabel* label = nullptr;
            if (ToPixels(c.height) < 2 * QFontMetrics(FontFor(c.font)).height()) {
                label = new LineLabel(parent);
            } else {
                label = new QLabel(parent);
                label->setWordWrap(true);
            }
            label->setAlignment((c.alignment == Alignment::Right    ? Qt::AlignRight
                                 : c.alignment == Alignment::Centre ? Qt::AlignHCenter
                                                                    : Qt::AlignLeft) |
                                Qt::AlignVCenter);
            if (c.backdrop == Backdrop::DisplayBox || c.backdrop == Backdrop::CountBox) {
                label->setFrameStyle(QFrame::Box | QFrame::Plain);
                label->setLineWidth(1);
                label->setAutoFillBackground(true);
                label->setBackgroundRole(QPalette::Base);
                // An indent, not contents margins: margins would push the
                // frame's top and bottom lines out of the box.
                label->setIndent(3);
            }
            return label;
        }
        case ControlKind::DropDown: {
            auto* list = new DropDownWidget(parent);
            list->setStyle(TheGameStyle());
            return list;
        }
        case ControlKind::CheckBox: {
            auto* box = new QCheckBox(parent);
            box->setChecked(c.value != 0);
            return box;
        }
        case ControlKind::TextBox: {
            auto* box = new QLineEdit(parent);
            if (c.maximum > 0) box->setMaxLength(c.maximum);
            return box;
        }
        case ControlKind::Slider: {
            auto* slider = new QSlider(Qt::Horizontal, parent);
            slider->setRange(c.minimum, c.maximum);
            slider->setValue(c.value);
            slider->setSingleStep(1);
            slider->setPageStep(1);
            slider->setTickInterval(1);
            slider->setTickPosition(QSlider::TicksBelow);
            return slider;
        }
        case ControlKind::DrawingBox: {
            auto* box = new DrawingBoxWidget(parent);
            if (c.backdrop == Backdrop::DisplayBox) box->setBackgroundRole(QPalette::Base);
            // The outcome's text and picture are stops of the keyboard order,
            // so a player without a mouse can reach and hear the result.
            box->setFocusPolicy(Qt::TabFocus);
            return box;
        }
        case ControlKind::Picture:
        case ControlKind::List:
        case ControlKind::Timer: break;
    }
    return new PictureWidget(parent);
}

void MainWindowView::ConnectEvents(Bound& bound) {
    const ControlLayout& c = *bound.layout;
    QWidget* widget = bound.widget;
    const int index = c.index;

    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        std::function<void()> handler;
        if (c.name == "cmdNew") handler = [this] { cmdNew_Click(form_); };
        if (c.name == "cmdDone") {
            handler = [this] {
                cmdDone_Click(form_);
                if (choices_) choices_->Save(form_);
            };
        }
        if (c.name == "cmdExit") handler = [this] { cmdExit_Click(form_); };
        if (c.name == "cmdHelp") {
            connect(button, &QPushButton::clicked, this, [this] { cmdHelp_Click(); });
        } else if (handler) {
            connect(button, &QPushButton::clicked, this, [this, handler] { Handle(handler); });
        }
    } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
        // The deck list is no control of the game's; it answers its own events.
        if (!std::holds_alternative<DropDown*>(bound.control)) return;
        const DropDown* model = std::get<DropDown*>(bound.control);
        connect(list, &QComboBox::currentIndexChanged, this, [this, model, name = c.name, index](int item) {
            if (syncing_) return;
            // The game's own text of the item, in whatever language the list shows it.
            const std::string text =
                item >= 0 && item < static_cast<int>(model->items.size()) ? model->items[static_cast<std::size_t>(item)]
                                                                          : std::string();
            Handle([this, &name, &text, index] {
                if (name == "cmbWidth") ChooseWidth(form_, text);
                if (name == "cmbHeight") ChooseHeight(form_, text);
                if (name == "cmbPlayers") ChoosePlayers(form_, text);
                if (name == "cmbPlayerType") ChoosePlayerType(form_, index, text);
                if (name == "cmbComputerLevel") ChooseComputerLevel(form_, index, text);
            });
        });
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
        CheckBox* model = std::get<CheckBox*>(bound.control);
        connect(box, &QCheckBox::toggled, this, [this, model](bool checked) {
            if (syncing_) return;
            Handle([this, model, checked] { SetCheckBox(form_, *model, checked ? 1 : 0); });
        });
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        TextBox* model = std::get<TextBox*>(bound.control);
        connect(edit, &QLineEdit::textChanged, this, [this, model](const QString& text) {
            if (syncing_) return;
            Handle([model, text] { model->SetText(text.toStdString()); });
        });
    } else if (auto* slider = qobject_cast<QSlider*>(widget)) {
        connect(slider, &QSlider::valueChanged, this, [this](int value) {
            if (syncing_) return;
            Handle([this, value] { MoveSpeedSlider(form_, value); });
        });
    } else if (c.name == "imgCard") {
        auto* picture = static_cast<PictureWidget*>(widget);
        connect(picture, &PictureWidget::clicked, this, [this, index] {
            if (board_) board_->SetMarked(index);
            Handle([this, index] { imgCard_Click(form_, index); });
        });
    }
}

QWidget* MainWindowView::Control(std::string_view name, int index) {
    BuildRemainingControls();
    return FindBuilt(name, index);
}

QWidget* MainWindowView::FindBuilt(std::string_view name, int index) const {
    for (const Bound& bound : controls_) {
        if (bound.layout->name == name && bound.layout->index == index) return bound.widget;
    }
    return nullptr;
}

void MainWindowView::Handle(const std::function<void()>& event) {
    if (failed_) return;
    // An event before the rest of the window is built builds it first.
    BuildRemainingControls();
    const GameSnapshot before = TakeGameSnapshot(form_);
    event();
    Sync();
    if (listeners_.empty() || failed_) return;
    const std::vector<Happening> happened = WhatHappened(before, TakeGameSnapshot(form_), form_);
    if (happened.empty()) return;
    for (HappeningListener* listener : std::vector(listeners_)) listener->Heard(happened, form_);
}

void MainWindowView::Listen(HappeningListener* listener) { listeners_.push_back(listener); }

void MainWindowView::StopListening(HappeningListener* listener) { std::erase(listeners_, listener); }

void MainWindowView::Sync() {
    syncing_ = true;
    for (Bound& bound : controls_) {
        SyncControl(bound);
        if (failed_) break;
    }
    picturesReadThisEvent_.clear();
    syncing_ = false;
    if (failed_) return;
    QWidget* focus = focusWidget();
    if (decks_) decks_->Follow(form_);
    // The board is a stop of the focus order only while a game is played on it.
    if (board_) {
        board_->Refresh(form_.cmdNew.caption == kEndGameCaption && form_.fraGame.visible && !form_.fraPlayers.visible &&
                        !form_.fraOutcome.visible);
    }
    if (form_.fraOutcome.visible && !outcomeShown_) FocusOutcome(focus);
    outcomeShown_ = form_.fraOutcome.visible;
    timers_.Sync();
    if (form_.exitRequested) {
        timers_.Stop();
        if (help_) help_->close();
        if (choices_) choices_->Save(form_);
        QApplication::quit();
    }
}

void MainWindowView::SyncControl(Bound& bound) {
    QWidget* widget = bound.widget;
    SyncAccessibleText(bound);
    std::visit(
        [this, &bound, widget](auto model) {
            using T = std::remove_pointer_t<decltype(model)>;
            if constexpr (std::is_same_v<T, Button>) {
                auto* button = static_cast<QPushButton*>(widget);
                const QString caption = ShownText(*bound.layout, model->caption);
                if (button->text() != caption) button->setText(caption);
                SetShown(widget, model->visible);
            } else if constexpr (std::is_same_v<T, Panel>) {
                SetShown(widget, model->visible && !Covered(bound));
            } else if constexpr (std::is_same_v<T, Label>) {
                auto* label = static_cast<QLabel*>(widget);
                const QString text = ShownText(*bound.layout, model->text);
                if (auto* line = qobject_cast<LineLabel*>(label)) {
                    line->SetLine(text);
                } else if (label->text() != text) {
                    label->setText(text);
                }
                if (label->font().bold() != model->bold) {
                    QFont font = label->font();
                    font.setBold(model->bold);
                    label->setFont(font);
                }
                SetShown(widget, model->visible);
            } else if constexpr (std::is_same_v<T, DropDown>) {
                auto* list = static_cast<QComboBox*>(widget);
                if (list->currentIndex() != model->listIndex) list->setCurrentIndex(model->listIndex);
                SetShown(widget, model->visible);
            } else if constexpr (std::is_same_v<T, CheckBox>) {
                auto* box = static_cast<QCheckBox*>(widget);
                if (box->isChecked() != (model->value != 0)) box->setChecked(model->value != 0);
                SetShown(widget, model->visible);
            } else if constexpr (std::is_same_v<T, TextBox>) {
                auto* edit = static_cast<QLineEdit*>(widget);
                // What was typed stays as typed; a default name shows in the
                // player's language.
                if (edit->text().toStdString() != model->text) {
                    const QString text = ShownText(*bound.layout, model->text);
                    if (edit->text() != text) edit->setText(text);
                }
                SetShown(widget, model->visible);
            } else if constexpr (std::is_same_v<T, Slider>) {
                auto* slider = static_cast<QSlider*>(widget);
                if (slider->value() != model->value) slider->setValue(model->value);
                SetShown(widget, model->visible);
            } else if constexpr (std::is_same_v<T, Picture>) {
                if (!ShowPicture(bound, *model)) return;
                // A deck's picture that could not be loaded shows, and now
                // reads, as the standard face.
                SyncAccessibleText(bound);
                SetShown(widget, model->visible);
            } else if constexpr (std::is_same_v<T, DrawingBox>) {
                if (!ShowPicture(bound, *model)) return;
                static_cast<DrawingBoxWidget*>(widget)->SetLines(ShownOutcome(model->lines));
                SetShown(widget, model->visible);
            }
        },
        bound.control);
}

bool MainWindowView::Covered(const Bound& panel) const {
    // A panel wholly under a shown panel that lies above it is hidden too:
    // nobody sees it, so neither the keyboard nor a screen reader finds it.
    for (const Bound& upper : controls_) {
        if (&upper == &panel) return false;
        const auto* model = std::get_if<Panel*>(&upper.control);
        if (model && (*model)->visible && upper.layout->container == panel.layout->container &&
            upper.widget->geometry().contains(panel.widget->geometry())) {
            return true;
        }
    }
    return false;
}

void MainWindowView::SyncAccessibleText(Bound& bound) {
    const ControlLayout& c = *bound.layout;
    QWidget* widget = bound.widget;
    if (c.name == "imgCard") {
        // Only a slot whose file or visibility changed is named afresh.
        const Picture& picture = *std::get<Picture*>(bound.control);
        const QString face = decks_ ? decks_->NameInstead(picture.file) : QString();
        if (bound.named && bound.namedFile == picture.file && bound.namedVisible == picture.visible &&
            bound.namedFace == face) {
            return;
        }
        bound.named = true;
        bound.namedFile = picture.file;
        bound.namedVisible = picture.visible;
        bound.namedFace = face;
        SetAccessibleText(widget, QAccessible::Name, CardSlotName(c.index, picture, face));
    } else if (c.backdrop == Backdrop::DisplayBox || c.backdrop == Backdrop::CountBox) {
        // A display box reads as its name, with what it shows as the description.
        if (const auto* label = std::get_if<Label*>(&bound.control)) {
            SetAccessibleText(widget, QAccessible::Description, Untranslated((*label)->text));
            if (c.name == "lblScore") {
                const std::string& player = form_.lblPlayer[static_cast<std::size_t>(c.index)].text;
                SetAccessibleText(widget, QAccessible::Name, ScoreAccessibleName(c.index, player));
            }
        }
    }
    if (c.name == "picOutcome") {
        // The outcome is printed on a picture, so its lines are given as text.
        const QString text = SpokenOutcome(form_).join(QLatin1Char('\n'));
        SetAccessibleText(widget, QAccessible::Description, text);
        if (QWidget* panel = FindBuilt("fraOutcome")) SetAccessibleText(panel, QAccessible::Description, text);
    } else if (c.name == "picResult") {
        SetAccessibleText(widget, QAccessible::Description, ResultPictureDescription(form_.picResult.file));
    }
}

bool MainWindowView::ShowPicture(Bound& bound, const Picture& picture) {
    auto* widget = static_cast<PictureWidget*>(bound.widget);
    if (picture.loads == 0) {
        // The layout's own picture, until the game first loads a file here.
        // Decoded only once its panel shows: the player panel's large picture
        // costs start-up time and memory while that panel is still hidden.
        if (widget->Picture().isNull() && widget->isVisibleTo(this)) {
            const QPixmap layoutPicture = LayoutPicture(bound.layout->name, sharpPictures_, *zoom_);
            if (!layoutPicture.isNull()) widget->SetPicture(layoutPicture);
        }
        return true;
    }
    if (picture.loads != bound.shownLoads) {
        bound.shownLoads = picture.loads;
        bound.pendingLoad = true;
    }
    // A slot that is not on the board shows nothing, so its file is read when
    // it is next shown; a board laid out twice before it is seen reads once.
    if (!bound.pendingLoad || !picture.visible) return true;
    bound.pendingLoad = false;
    const QString path = Untranslated(PicturePath(pictureFolder_.toStdString(), picture.file));
    // A face of the chosen deck shows its picture; one that can't be loaded
    // shows the standard picture instead.
    if (decks_ && ShowDeckPicture(*widget, picture.file)) return true;
    // Every event that loads a file reads it afresh; the slots that load the
    // same file in one event (a new board's backs) share that one reading.
    for (const auto& [readPath, pixmap] : picturesReadThisEvent_) {
        if (readPath == path) {
            widget->SetPicture(pixmap);
            return true;
        }
    }
    // The board's photographs are large; a screen at 100 percent gets them
    // decoded at the size it shows them.
    QPixmap pixmap = LoadPictureFile(path, !sharpPictures_);
    if (pixmap.isNull()) {
        Fail(path);
        return false;
    }
    // A photograph read at half size already carries its ratio of 0.5.
    pixmap.setDevicePixelRatio(kPictureScale * pixmap.devicePixelRatio());
    pixmap = zoom_->Sharpened(picture.file, path, pictureFolder_, pixmap);
    picturesReadThisEvent_.emplace_back(path, pixmap);
    widget->SetPicture(pixmap);
    return true;
}

bool MainWindowView::ShowDeckPicture(PictureWidget& widget, const std::string& file) {
    const QPixmap pixmap = decks_->PictureInstead(file, zoom_->PictureScale());
    if (pixmap.isNull()) return false;
    widget.SetPicture(pixmap);
    return true;
}

void MainWindowView::Fail(const QString& path) {
    failed_ = true;
    timers_.Stop();
    failureMessage_ = PictureFailureMessage(path);
    std::fprintf(stderr, "%s\n", failureMessage_.toLocal8Bit().constData());
    std::fflush(stderr);
    hide();
    if (help_) help_->hide();
    // Nobody could see or dismiss a message box on the offscreen platform.
    if (QGuiApplication::platformName() != QLatin1String("offscreen")) {
        QMessageBox::critical(nullptr, windowTitle(), failureMessage_);
    }
    QCoreApplication::exit(1);
}

void MainWindowView::FocusOutcome(QWidget* focus) {
    // The player who found the last pair was on the board, which has just
    // emptied: the focus goes on to the result, and a screen reader reads it.
    QWidget* outcome = FindBuilt("picOutcome");
    if (!outcome || (focus && focus != board_ && focus->isVisibleTo(this) && focus->isEnabled())) return;
    outcome->setFocus(Qt::OtherFocusReason);
}

bool MainWindowView::SharpScreen() const { return DrawingScaleFor(zoom_->PictureScale()) > 1; }

void MainWindowView::ShowPicturesFor(bool sharp) {
    if (sharp == sharpPictures_ || failed_) return;
    sharpPictures_ = sharp;
    RedrawPictures();
}

void MainWindowView::RedrawPictures() {
    if (failed_) return;
    for (Bound& bound : controls_) {
        if (!std::holds_alternative<Picture*>(bound.control) && !std::holds_alternative<DrawingBox*>(bound.control)) {
            continue;
        }
        // The layout's picture is chosen again, a loaded file read again.
        static_cast<PictureWidget*>(bound.widget)->SetPicture({});
        bound.pendingLoad = true;
    }
    Sync();
}

bool MainWindowView::event(QEvent* event) {
    return QWidget::event(event);
}

HelpWindow* MainWindowView::Help() const { return help_.data(); }

void MainWindowView::cmdHelp_Click() {
    if (failed_) return;
    if (!help_) {
        help_ = new HelpWindow(windowIcon());
        help_->setAttribute(Qt::WA_DeleteOnClose);
        FollowZoom(*help_, *zoom_);
    }
    help_->hide();
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    // Closing the window through its frame ends the game as Exit does.
    event->accept();
    if (!failed_) Handle([this] { cmdExit_Click(form_); });
}

}  // namespace pairon
