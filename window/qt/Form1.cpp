#include "window/Form1.h"

#include "app/ProgramState.h"
#include "app/Settings.h"
#include "launch/ResolveTarget.h"
#include "launch/RunTarget.h"
#include "platform/Ending.h"
#include "platform/MessageBoxes.h"
#include "platform/ProgramLocation.h"
#include "platform/ProgramPath.h"
#include "platform/Ticker.h"
#include "shortcut/CreateDesktopShortcut.h"
#include "texts/ProductTexts.h"
#include "window/Artwork.h"
#include "window/FrmGraphics.h"
#include "window/LineControl.h"
#include "window/PictureButton.h"
#include "window/WindowTexts.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>

namespace {

const QColor Navy(0, 0, 128);
const QColor LightYellow(255, 255, 192);
const QColor Orange(255, 128, 0);
const QColor ButtonFace(192, 192, 192);

QFont arial(qreal points, bool bold = false, const QString &family = QStringLiteral("Arial"))
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

// A label as the layout draws it: text from the top-left corner, no margin.
QLabel *label(QWidget *parent, const char *name, const QRect &box)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setText(QString::fromLatin1(name));
    l->setGeometry(box);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLabel *bar(QWidget *parent, const char *name, const QRect &box)
{
    QLabel *l = label(parent, name, box);
    l->setText(QString());
    l->setAutoFillBackground(true);
    QPalette palette = l->palette();
    palette.setColor(QPalette::Window, Navy);
    l->setPalette(palette);
    return l;
}

QAction *item(QMenu *menu, const char *name, const QString &caption)
{
    QAction *action = menu->addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction *separator(QMenu *menu, const char *name)
{
    QAction *action = menu->addSeparator();
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu *submenu(QWidget *parent, const char *name, const QString &caption)
{
    auto *menu = new QMenu(caption, parent);
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

} // namespace

Form1::Form1(ProgramState &state, const Services &services, QWidget *parent)
    : QMainWindow(parent)
    , m_state(state)
    , m_services(services)
    , m_hand(Artwork::handCursor())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf16(ProductTexts::WindowCaption));
    setWindowIcon(QIcon(QString::fromLatin1(Artwork::WindowIcon)));
    // Close and minimise only: the window is never resized.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    buildControls();
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    // Key preview: the window sees every key before the control that has the focus.
    qApp->installEventFilter(this);
}

Form1::~Form1() = default;

void Form1::buildControls()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(ClientWidth, ClientHeight);
    m_client->setAutoFillBackground(true);
    QPalette white = m_client->palette();
    white.setColor(QPalette::Window, Qt::white);
    m_client->setPalette(white);
    setCentralWidget(m_client);

    // Bottom-most first: later children lie above earlier ones.
    m_label1 = bar(m_client, "Label1", QRect(0, 80, 625, 25));

    m_label2 = label(m_client, "Label2", QRect(88, 112, 489, 145));
    m_label2->setFont(arial(9.75));
    m_label2->setWordWrap(true);

    m_label3 = bar(m_client, "Label3", QRect(0, 0, 73, 393));

    m_label4 = label(m_client, "Label4", QRect(88, 84, 113, 17));
    m_label4->setFont(arial(11.25, true));
    setTextColour(m_label4, linkNormal());
    m_label4->setCursor(m_hand);

    m_image2 = label(m_client, "Image2", QRect(0, 0, 73, 44));
    m_image2->setScaledContents(true);
    m_image2->setPixmap(Artwork::picture(Artwork::Photograph));

    m_line1 = new LineControl(Orange, m_client);
    m_line1->setObjectName(QStringLiteral("Line1"));
    m_line1->setGeometry(88, 248, 441, 2);

    m_label8 = label(m_client, "Label8", QRect(88, 248, 393, 25));
    m_label8->setFont(arial(8.25, false, QStringLiteral("Arial Unicode MS")));

    m_image1 = label(m_client, "Image1", QRect(432, 8, 153, 32));
    m_image1->setScaledContents(true);
    // Its design picture (the logo) is replaced by the banner before the window is
    // first shown, so it is not decoded at all.

    m_label6 = label(m_client, "Label6", QRect(88, 24, 265, 25));
    m_label6->setFont(arial(14.25));
    m_label6->setWordWrap(true);
    setTextColour(m_label6, Navy);

    m_cmdAfslut = new PictureButton(Artwork::picture(Artwork::ExitPicture), ButtonFace, m_client);
    m_cmdAfslut->setObjectName(QStringLiteral("cmdAfslut"));
    m_cmdAfslut->setGeometry(16, 248, 41, 43);
    m_cmdAfslut->setToolTip(QStringLiteral("Exit"));
    m_cmdAfslut->setCursor(m_hand);

    m_command1 = new PictureButton(Artwork::picture(Artwork::GoPicture), ButtonFace, m_client);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(536, 248, 41, 43);
    m_command1->setToolTip(QStringLiteral("Go!"));
    m_command1->setCursor(m_hand);

    m_check1 = new QCheckBox(QStringLiteral("Leave this program running"), m_client);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setGeometry(352, 272, 177, 17);
    m_check1->setFont(arial(8.25));
    m_check1->setLayoutDirection(Qt::RightToLeft); // the box at the right, beside Go
    m_check1->setAutoFillBackground(true);
    QPalette checkPalette = m_check1->palette();
    checkPalette.setColor(QPalette::Window, Qt::white);
    checkPalette.setColor(QPalette::Button, Qt::white); // a button's background role
    checkPalette.setColor(QPalette::WindowText, Navy);
    m_check1->setPalette(checkPalette);

    m_combo1 = new QComboBox(m_client);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setGeometry(88, 48, 449, 21);
    m_combo1->setEditable(false);
    QPalette comboPalette = m_combo1->palette();
    for (const auto role : {QPalette::Base, QPalette::Button, QPalette::Window})
        comboPalette.setColor(role, Navy);
    for (const auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        comboPalette.setColor(role, LightYellow);
    m_combo1->setPalette(comboPalette);

    // Only the list, the check box and the two buttons take the focus.
    setTabOrder(m_command1, m_cmdAfslut);
    setTabOrder(m_cmdAfslut, m_check1);
    setTabOrder(m_check1, m_combo1);

    // Hover: the background and the three labels switch the highlight off, Label4 on.
    for (QWidget *w : {m_client, static_cast<QWidget *>(m_label1), static_cast<QWidget *>(m_label2),
                       static_cast<QWidget *>(m_label3), static_cast<QWidget *>(m_label4)}) {
        w->setMouseTracking(true);
        w->installEventFilter(this);
    }

    connect(m_combo1, &QComboBox::currentIndexChanged, this, [this] { combo1Click(); });
    connect(m_command1, &QAbstractButton::clicked, this, [this] { command1Click(); });
    connect(m_cmdAfslut, &QAbstractButton::clicked, this, [this] { endProgram(); });
    connect(m_check1, &QCheckBox::toggled, this, [this] { check1Click(); });
}

void Form1::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    m_mnuFiler = submenu(bar, "mnuFiler", QStringLiteral("&Files"));
    bar->addMenu(m_mnuFiler);
    QAction *mnuStart = item(m_mnuFiler, "mnuStart", QStringLiteral("&Go!"));
    separator(m_mnuFiler, "mnuSS");
    QAction *mnuAfslut = item(m_mnuFiler, "mnuAfslut", QStringLiteral("&Exit"));

    m_mnuFeatures = submenu(bar, "mnuFeatures", QStringLiteral("F&eatures"));
    bar->addMenu(m_mnuFeatures);
    m_mnuMakeShortcut = item(m_mnuFeatures, "mnuMakeShortcut", QStringLiteral("Create shortcut on desktop"));

    m_mnuInformation = submenu(bar, "mnuInformation", QStringLiteral("&Information"));
    bar->addMenu(m_mnuInformation);
    m_mnuOm = item(m_mnuInformation, "mnuOm", QStringLiteral("&About this start-program"));
    m_mnuAboutUse = item(m_mnuInformation, "mnuAboutUse", QStringLiteral("About &using the start-program"));
    separator(m_mnuInformation, "mnuS");

    // The online submenu is switched off: shown greyed, nothing in it can be chosen.
    QMenu *mnuVarnholt = submenu(m_mnuInformation, "mnuVarnholt", QStringLiteral("&Varnholt Online"));
    m_mnuInformation->addMenu(mnuVarnholt);
    item(mnuVarnholt, "mnuInfoVarnholt", QString::fromUtf16(ProductTexts::NationalHostCaption));
    item(mnuVarnholt, "mnuVarnholtCom", QString::fromUtf16(ProductTexts::InternationalHostCaption));
    separator(mnuVarnholt, "s")->setEnabled(false);
    item(mnuVarnholt, "mnuOnlineStoej", QString::fromUtf16(ProductTexts::DepartmentMenuCaption))->setEnabled(false);
    mnuVarnholt->menuAction()->setEnabled(false);
    mnuVarnholt->setEnabled(false);

    QMenu *mnuKontakt = submenu(m_mnuInformation, "mnuKontakt", QStringLiteral("E-mail"));
    m_mnuInformation->addMenu(mnuKontakt);
    QAction *mailVarnholt = item(mnuKontakt, "mnuMailVarnholt", QString::fromUtf16(ProductTexts::GeneralMailCaption));
    separator(mnuKontakt, "sssss");
    QAction *mailA = item(mnuKontakt, "mnuMailContactA", QString::fromUtf16(ProductTexts::ContactACaption));
    QAction *mailB = item(mnuKontakt, "mnuMailContactB", QString::fromUtf16(ProductTexts::ContactBCaption));

    connect(mnuStart, &QAction::triggered, this, [this] { command1Click(); });
    connect(mnuAfslut, &QAction::triggered, this, [this] { endProgram(); });
    connect(m_mnuMakeShortcut, &QAction::triggered, this, [this] { makeShortcut(); });
    connect(m_mnuOm, &QAction::triggered, this, [this] { showAbout(); });
    connect(m_mnuAboutUse, &QAction::triggered, this, [this] { openUsagePage(); });
    connect(mailVarnholt, &QAction::triggered, this, [this] { mailTo(QString::fromUtf16(ProductTexts::GeneralMail)); });
    connect(mailA, &QAction::triggered, this, [this] { mailTo(QString::fromUtf16(ProductTexts::ContactAMail)); });
    connect(mailB, &QAction::triggered, this, [this] { mailTo(QString::fromUtf16(ProductTexts::ContactBMail)); });
}

FrmGraphics *Form1::graphics()
{
    if (!m_graphics)
        m_graphics = new FrmGraphics(this);
    return m_graphics;
}

void Form1::load()
{
    m_label6->setText(m_state.text(TextRow::ChoosePrompt));
    m_label4->setText(m_state.text(TextRow::Introduction));
    m_label8->setText(QChar(169) + QString::fromUtf16(ProductTexts::CopyrightNotice));
    m_label4->setToolTip(m_state.text(TextRow::IntroductionTooltip));
    m_mnuFiler->setTitle(m_state.text(TextRow::MenuFiles));
    m_mnuFeatures->setTitle(m_state.text(TextRow::MenuFeatures));
    m_mnuInformation->setTitle(m_state.text(TextRow::MenuInformation));
    m_mnuOm->setText(m_state.text(TextRow::MenuAbout));
    m_mnuAboutUse->setText(m_state.text(TextRow::MenuAboutUse));
    m_mnuMakeShortcut->setText(m_state.text(TextRow::MenuMakeShortcut));
    m_check1->setText(m_state.text(TextRow::LeaveRunning));
    m_image1->setPixmap(graphics()->image13()->pixmap());

    // One line per entry, never beyond position 1000.
    QStringList descriptions;
    const int count = m_state.entryList.usableCount();
    descriptions.reserve(count);
    for (int i = 1; i <= count; ++i)
        descriptions << m_state.entryList.description(i);
    {
        const QSignalBlocker blocker(m_combo1);
        m_combo1->clear();
        m_combo1->addItems(descriptions);
        m_combo1->setCurrentIndex(count > 0 ? 0 : -1);
    }
    if (count > 0) {
        combo1Click();
    } else {
        // No entries: Go offers the stored start page beside the program.
        m_state.startTarget = ProgramPath::join(m_services.location.programDir(), m_state.startTarget);
        showInstruction();
    }

    m_check1->setChecked(!m_state.closeAfterLaunch); // a change runs the click handler
    m_command1->setFocus();
}

bool Form1::ended() const
{
    return m_services.ending.hasEnded();
}

void Form1::showInstruction()
{
    m_label2->setText(instructionText(m_state.textTable, m_state.languageIndex, m_state.startTarget));
}

bool Form1::settleStartTarget()
{
    const int p = m_combo1->currentIndex();
    if (p < 0 || p >= m_state.entryList.usableCount())
        return false; // no entry chosen: the target stays as it is
    m_state.startTarget = ResolveTarget(m_services.location.programDir(), m_state.entryList.file(p + 1));
    return true;
}

void Form1::combo1Click()
{
    if (!ended() && settleStartTarget())
        showInstruction();
}

void Form1::command1Click()
{
    if (ended())
        return;
    settleStartTarget();
    runTarget(m_state.startTarget);
    // A second Go neither restarts nor extends a countdown that runs.
    if (m_state.closeAfterLaunch && !m_services.countdown.isActive())
        m_services.countdown.start(1000, [this] { timer3Tick(); });
}

void Form1::check1Click()
{
    if (ended())
        return;
    m_state.closeAfterLaunch = !m_check1->isChecked();
    StoreCloseAfterLaunch(m_services.settings, m_state.closeAfterLaunch);
}

void Form1::timer3Tick()
{
    if (ended())
        return;
    ++m_state.tickCount;
    if (m_state.tickCount >= 10)
        endProgram();
}

void Form1::endProgram()
{
    m_services.ending.endProgram();
}

void Form1::hoverOn()
{
    if (m_label4->palette().color(QPalette::WindowText) != linkHighlight())
        setTextColour(m_label4, linkHighlight());
}

void Form1::hoverOff()
{
    if (m_label4->palette().color(QPalette::WindowText) == linkHighlight())
        setTextColour(m_label4, linkNormal());
}

void Form1::runTarget(const QString &target)
{
    RunTarget({m_services.shell, m_services.messages, m_state.textTable, m_state.languageIndex}, target);
}

void Form1::showAbout()
{
    if (ended())
        return;
    m_services.messages.show(MessageBoxes::Icon::Information, MessageBoxes::Buttons::Ok,
                             QString::fromUtf16(ProductTexts::AboutTitle), aboutText(m_state.programVersion));
}

void Form1::openUsagePage()
{
    if (ended())
        return;
    runTarget(ProgramPath::join(m_services.location.programDir(), QString::fromUtf16(ProductTexts::UsagePage)));
}

void Form1::mailTo(const QString &address)
{
    if (ended())
        return;
    runTarget(QStringLiteral("mailto:") + address);
}

void Form1::makeShortcut()
{
    if (ended())
        return;
    CreateDesktopShortcut({m_services.messages, m_services.launchers, m_services.location, m_state.textTable,
                           m_state.languageIndex, Artwork::windowIconPng()});
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        auto *widget = qobject_cast<QWidget *>(watched);
        // Only keys meant for this window: a message box or the open drop-down keeps its Esc.
        if (key->key() == Qt::Key_Escape && widget && widget->window() == this) {
            endProgram();
            return true;
        }
        return false;
    }
    if (watched == m_label4) {
        if (event->type() == QEvent::MouseMove) {
            hoverOn();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            if (mouse->button() == Qt::LeftButton && m_label4->rect().contains(mouse->position().toPoint()))
                openUsagePage();
            return true;
        }
        return false;
    }
    if (event->type() == QEvent::MouseMove
        && (watched == m_client || watched == m_label1 || watched == m_label2 || watched == m_label3)) {
        hoverOff();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    endProgram(); // the ending closes this window too; it acts only once
    event->accept();
}
