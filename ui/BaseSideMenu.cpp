#include "ui/BaseSideMenu.h"

#include <QAction>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "ui/AboutBox.h"
#include "ui/Artwork.h"
#include "ui/ExBar.h"
#include "ui/Help.h"
#include "ui/UserGuide.h"

namespace quill::ui {

namespace {

struct ToolbarCommand {
    const char* caption;
    const char* name;
    int tag;
};

constexpr ToolbarCommand Commands[ToolbarActionCount] = {
    {"First", "GoOnFirstEvent", 10},
    {"Previous", "GoOnPreviousEvent", 10},
    {"Next", "GoOnNextEvent", 10},
    {"Last", "GoOnLastEvent", 10},
    {"Delete", "GoOnDeleteEvent", 15},
    {"Rename", "GoOnRenameEvent", 15},
    {"Copy", "GoOnCopyEvent", 15},
    {"Delete Printer Settings", "GoOnDeletePrinterSettingsEvent", 21},
};

std::size_t Index(TToolbarAction action) { return std::size_t(action); }

}  // namespace

int ToolbarTag(TToolbarAction action) { return Commands[Index(action)].tag; }

// The panel inner windows are shown in; its own text shows while one loads.
class TInsertPanel : public QWidget {
public:
    explicit TInsertPanel(QWidget* parent) : QWidget(parent) {
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    const QString& Text() const { return text_; }
    void SetText(const QString& text) {
        text_ = text;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setPen(palette().color(QPalette::WindowText));
        p.drawText(rect(), Qt::AlignCenter, text_);
    }

private:
    QString text_;
};

TfrmBaseSideMenu::TfrmBaseSideMenu(QWidget* parent)
    : TfrmBase(parent),
      BlueImg(SkinBitmap(TSkinKind::Blue)),
      OliveImg(SkinBitmap(TSkinKind::Olive)),
      SilverImg(SkinBitmap(TSkinKind::Silver)) {
    setWindowFlags(Qt::Window);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);

    menuBar_ = new QMenuBar(this);
    outer->setMenuBar(menuBar_);
    BuildMenus();

    toolBar_ = new QToolBar(this);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    toolBar_->setIconSize(QSize(16, 16));
    BuildToolbar();
    outer->addWidget(toolBar_);

    auto* body = new QHBoxLayout;
    body->setContentsMargins(0, 0, 0, 0);
    body->setSpacing(0);
    outer->addLayout(body, 1);

    exBar_ = new TExBar(this);
    exBar_->setFixedWidth(exBar_->width());
    body->addWidget(exBar_);

    auto* right = new QVBoxLayout;
    right->setSpacing(0);
    body->addLayout(right, 1);

    auto* titleStrip = new QWidget(this);
    titleStrip->setAutoFillBackground(true);
    titleStrip->setBackgroundRole(QPalette::Window);
    QPalette strip = titleStrip->palette();
    strip.setColor(QPalette::Window, palette().color(QPalette::Dark));
    titleStrip->setPalette(strip);
    auto* titleLayout = new QHBoxLayout(titleStrip);
    titleLayout->setContentsMargins(8, 4, 8, 4);
    titleLabel_ = new QLabel(titleStrip);
    QFont large = titleLabel_->font();
    large.setPointSizeF(large.pointSizeF() * 1.7);
    large.setBold(true);
    titleLabel_->setFont(large);
    QPalette white = titleLabel_->palette();
    white.setColor(QPalette::WindowText, Qt::white);
    titleLabel_->setForegroundRole(QPalette::WindowText);
    titleLabel_->setPalette(white);
    titlePicture_ = new QLabel(titleStrip);
    titlePicture_->setPixmap(QPixmap::fromImage(quill::ui::TitlePicture()));
    titleLayout->addWidget(titleLabel_, 1);
    titleLayout->addWidget(titlePicture_);
    right->addWidget(titleStrip);

    insertPanel_ = new TInsertPanel(this);
    right->addWidget(insertPanel_, 1);

    statusBar_ = new QStatusBar(this);
    simpleText_ = new QLabel("Vek", statusBar_);
    statusBar_->addWidget(simpleText_, 1);
    outer->addWidget(statusBar_);

    resize(1000, 680);
}

TfrmBaseSideMenu::~TfrmBaseSideMenu() = default;

void TfrmBaseSideMenu::BuildToolbar() {
    for (int i = 0; i < ToolbarActionCount; ++i) {
        const ToolbarCommand& command = Commands[i];
        auto* action = toolBar_->addAction(ToolbarIcon(i, palette()), command.caption);
        action->setObjectName(command.name);
        action->setToolTip(command.caption);
        action->setData(command.tag);
        const auto which = TToolbarAction(i);
        connect(action, &QAction::triggered, this, [this, which] { RunAction(which); });
        actions_[std::size_t(i)] = action;
    }
}

void TfrmBaseSideMenu::BuildMenus() {
    fileMenu_ = menuBar_->addMenu("&File");
    actionExit_ = fileMenu_->addAction("&Exit");
    connect(actionExit_, &QAction::triggered, this, &QWidget::close);
    helpMenu_ = menuBar_->addMenu("&Help");
    actionUserGuide_ = helpMenu_->addAction("&User Guide");
    connect(actionUserGuide_, &QAction::triggered, this, [this] { ShowUserGuide(this); });
    helpMenu_->addSeparator();
    actionAbout_ = helpMenu_->addAction("&About");
    connect(actionAbout_, &QAction::triggered, this, [this] { ShowOrderInfo(this); });
}

void TfrmBaseSideMenu::RefreshIcons() {
    for (int i = 0; i < ToolbarActionCount; ++i) actions_[std::size_t(i)]->setIcon(ToolbarIcon(i, palette()));
}

void TfrmBaseSideMenu::changeEvent(QEvent* event) {
    TfrmBase::changeEvent(event);
    if (event->type() == QEvent::PaletteChange) RefreshIcons();
}

void TfrmBaseSideMenu::keyPressEvent(QKeyEvent* event) {
    // A main window is no dialog: Escape does not close it, Enter clicks no button.
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        event->ignore();
        return;
    }
    TfrmBase::keyPressEvent(event);
}

QWidget* TfrmBaseSideMenu::InsertPanel() const { return insertPanel_; }

QString TfrmBaseSideMenu::InsertPanelText() const { return insertPanel_->Text(); }

void TfrmBaseSideMenu::ShowInnerWindow(QWidget* window) {
    if (!window || window == current_) return;
    window->setParent(insertPanel_, Qt::Widget);
    insertPanel_->layout()->addWidget(window);
    if (current_) current_->close();
    titleLabel_->setText("  " + window->windowTitle());
    insertPanel_->SetText("Loading..." + window->windowTitle());
    repaint();
    window->show();
    current_ = window;
}

QAction* TfrmBaseSideMenu::ToolbarAction(TToolbarAction action) const { return actions_[Index(action)]; }

QToolButton* TfrmBaseSideMenu::ToolbarButton(TToolbarAction action) const {
    return qobject_cast<QToolButton*>(toolBar_->widgetForAction(ToolbarAction(action)));
}

void TfrmBaseSideMenu::SetActionHandler(TToolbarAction action, std::function<void()> handler) {
    handlers_[Index(action)] = std::move(handler);
}

bool TfrmBaseSideMenu::HasActionHandler(TToolbarAction action) const { return bool(handlers_[Index(action)]); }

void TfrmBaseSideMenu::RunAction(TToolbarAction action) {
    // a copy: the handler may clear or replace its own slot
    if (auto handler = handlers_[Index(action)]) handler();
}

void TfrmBaseSideMenu::SetToolbarFilter(int filter) {
    if (filter == filter_ || filter <= 0) return;
    filter_ = filter;
    for (int i = 0; i < ToolbarActionCount; ++i)
        actions_[std::size_t(i)]->setVisible(Commands[i].tag % filter == 0);
}

QMenu* TfrmBaseSideMenu::AddMenu(const QString& title) {
    auto* menu = new QMenu(title, menuBar_);
    menuBar_->insertMenu(helpMenu_->menuAction(), menu);
    return menu;
}

void TfrmBaseSideMenu::AddHelpCommands(const QString& caption, int context) {
    QAction* first = helpMenu_->actions().value(0);
    auto* contextHelp = new QAction("Context Help (F1)", this);
    auto* help = new QAction(caption, this);
    helpMenu_->insertAction(first, contextHelp);
    helpMenu_->insertAction(first, help);
    helpMenu_->insertSeparator(first);
    connect(contextHelp, &QAction::triggered, this, [this] { ShowHelpTopic(NearestHelpContext(CurrentInnerWindow())); });
    connect(help, &QAction::triggered, this, [context] { ShowHelpTopic(context); });
}

void TfrmBaseSideMenu::SetSimpleText(const QString& text) { simpleText_->setText(text); }

QString TfrmBaseSideMenu::SimpleText() const { return simpleText_->text(); }

QLabel* TfrmBaseSideMenu::AddStatusPanel(int width) {
    statusBar_->removeWidget(simpleText_);
    auto* panel = new QLabel(statusBar_);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumWidth(width);
    statusBar_->addWidget(panel);
    return panel;
}

}  // namespace quill::ui
