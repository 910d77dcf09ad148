#include "window/qt/Form1.h"

#include "texts/ProductTexts.h"
#include "window/Form1Behaviour.h"
#include "window/ReaderRoles.h"
#include "window/qt/Artwork.h"
#include "window/qt/FrmGraphics.h"
#include "window/qt/LineControl.h"
#include "window/qt/LinkAccessible.h"
#include "window/qt/OneLineLabel.h"
#include "window/qt/PictureButton.h"
#include "window/qt/RightBoxCheckBox.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenu>
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
QLabel *placed(QLabel *l, const char *name, const QRect &box)
{
    l->setObjectName(QString::fromLatin1(name));
    l->setText(QString::fromLatin1(name));
    l->setGeometry(box);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setTextFormat(Qt::PlainText);
    return l;
}

QLabel *label(QWidget *parent, const char *name, const QRect &box)
{
    return placed(new QLabel(parent), name, box);
}

// Label4, Label6 and Label8: boxes of one line.
QLabel *oneLineLabel(QWidget *parent, const char *name, const QRect &box)
{
    return placed(new OneLineLabel(parent), name, box);
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

// The drop-down list: its opened list shows the same colours as its closed face. The
// list's window is made when it first opens, not at start-up (with a thousand lines it
// would delay the window), so it takes the colours then.
class ListOfEntries : public QComboBox
{
public:
    using QComboBox::QComboBox;

    void showPopup() override
    {
        view()->setPalette(palette());
        view()->window()->setPalette(palette());
        QComboBox::showPopup();
    }
};

QString fromUtf8(const std::string &text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
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

Form1::Form1(QWidget *parent)
    : QMainWindow(parent)
    , m_hand(Artwork::handCursor(devicePixelRatioF()))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(ProductTexts::WindowCaption));
    setWindowIcon(QIcon(QString::fromLatin1(Artwork::WindowIcon)));
    // Close and minimise only: the window is never resized.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);

    // Before the controls exist: Qt keeps the first description of a control it is asked for.
    QAccessible::installFactory(&Form1::accessibleControl);
    buildControls();
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    m_command1->setFocus();

    // Key preview and hover: the window sees every key and mouse move before its controls.
    qApp->installEventFilter(this);
}

Form1::~Form1()
{
    qApp->removeEventFilter(this);
}

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

    m_label4 = oneLineLabel(m_client, "Label4", QRect(88, 84, 113, 17));
    m_label4->setFont(arial(11.25, true));
    setTextColour(m_label4, Qt::white);
    m_label4->setCursor(m_hand);

    m_image2 = label(m_client, "Image2", QRect(0, 0, 73, 44));
    m_image2->setScaledContents(true);
    m_image2->setPixmap(Artwork::picture(Artwork::Photograph));

    m_line1 = new LineControl(Orange, m_client);
    m_line1->setObjectName(QStringLiteral("Line1"));
    m_line1->setGeometry(88, 248, 441, 2);

    m_label8 = oneLineLabel(m_client, "Label8", QRect(88, 248, 393, 25));
    m_label8->setFont(arial(8.25, false, QStringLiteral("Arial Unicode MS")));

    m_image1 = label(m_client, "Image1", QRect(432, 8, 153, 32));
    m_image1->setScaledContents(true);
    // Its design picture (the logo) is replaced by the banner before the window is
    // first shown, so it is not decoded at all.

    m_label6 = oneLineLabel(m_client, "Label6", QRect(88, 24, 265, 25));
    m_label6->setFont(arial(14.25));
    setTextColour(m_label6, Navy);

    m_cmdAfslut = new PictureButton(Artwork::picture(Artwork::ExitPicture), ButtonFace, m_client);
    m_cmdAfslut->setLargerDrawings(QString::fromLatin1(Artwork::ExitDrawings[1]),
                                   QString::fromLatin1(Artwork::ExitDrawings[2]));
    m_cmdAfslut->setObjectName(QStringLiteral("cmdAfslut"));
    m_cmdAfslut->setGeometry(16, 248, 41, 43);
    m_cmdAfslut->setToolTip(QString::fromUtf8(ProductTexts::ExitButtonName));
    m_cmdAfslut->setCursor(m_hand);

    m_command1 = new PictureButton(Artwork::picture(Artwork::GoPicture), ButtonFace, m_client);
    m_command1->setLargerDrawings(QString::fromLatin1(Artwork::GoDrawings[1]),
                                  QString::fromLatin1(Artwork::GoDrawings[2]));
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setGeometry(536, 248, 41, 43);
    m_command1->setToolTip(QString::fromUtf8(ProductTexts::GoButtonName));
    m_command1->setCursor(m_hand);

    m_check1 = new RightBoxCheckBox(QStringLiteral("Leave this program running"), m_client);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_check1->setGeometry(352, 272, 177, 17);
    m_check1->setFont(arial(8.25));
    m_check1->setAutoFillBackground(true);
    QPalette checkPalette = m_check1->palette();
    checkPalette.setColor(QPalette::Window, Qt::white);
    checkPalette.setColor(QPalette::Button, Qt::white); // a button's background role
    checkPalette.setColor(QPalette::WindowText, Navy);
    m_check1->setPalette(checkPalette);

    m_combo1 = new ListOfEntries(m_client);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setGeometry(88, 48, 449, 21);
    m_combo1->setEditable(false);
    QPalette comboPalette = m_combo1->palette();
    for (const auto role : {QPalette::Base, QPalette::Button, QPalette::Window})
        comboPalette.setColor(role, Navy);
    for (const auto role : {QPalette::Text, QPalette::ButtonText, QPalette::WindowText})
        comboPalette.setColor(role, LightYellow);
    m_combo1->setPalette(comboPalette);
    // A screen reader reads Label6 as the list's label. Its captions have no "&", so this
    // makes no shortcut, and the label draws no mnemonic in any case.
    m_label6->setBuddy(m_combo1);

    // Only the list, the check box and the two buttons take the focus.
    setTabOrder(m_command1, m_cmdAfslut);
    setTabOrder(m_cmdAfslut, m_check1);
    setTabOrder(m_check1, m_combo1);

    const std::pair<QWidget *, Control> controls[] = {
        {m_combo1, Control::Combo1},       {m_check1, Control::Check1}, {m_command1, Control::Command1},
        {m_cmdAfslut, Control::cmdAfslut}, {m_label6, Control::Label6}, {m_image1, Control::Image1},
        {m_label8, Control::Label8},       {m_line1, Control::Line1},   {m_image2, Control::Image2},
        {m_label4, Control::Label4},       {m_label3, Control::Label3}, {m_label2, Control::Label2},
        {m_label1, Control::Label1},
    };
    for (const auto &[w, control] : controls) {
        m_controls.insert(w, control);
        // A picture is named as the core says; a decoration keeps no name, so a reader passes it by.
        const ReaderEntry reader = readerEntry(control);
        if (reader.role == ReaderRole::Picture)
            w->setAccessibleName(QString::fromUtf8(reader.name));
        else if (reader.role == ReaderRole::Hidden)
            w->setAccessibleName(QString());
        // Every move over the client area is seen, whatever control it lands on.
        w->setMouseTracking(true);
    }
    m_client->setMouseTracking(true);

    connect(m_combo1, &QComboBox::currentIndexChanged, this, [this](int p) {
        if (m_behaviour && p >= 0)
            m_behaviour->selectionChanged(p);
    });
    connect(m_command1, &QAbstractButton::clicked, this, [this] {
        if (m_behaviour)
            m_behaviour->goPressed();
    });
    connect(m_cmdAfslut, &QAbstractButton::clicked, this, [this] {
        if (m_behaviour)
            m_behaviour->exitPressed();
    });
    connect(m_check1, &QCheckBox::clicked, this, [this](bool checked) {
        if (m_behaviour)
            m_behaviour->checkClicked(checked);
    });
}

void Form1::buildMenus()
{
    QMenuBar *bar = menuBar();
    bar->setObjectName(QStringLiteral("menuBar"));

    QMenu *mnuFiler = submenu(bar, "mnuFiler", QStringLiteral("&Files"));
    bar->addMenu(mnuFiler);
    m_menus[Menu::mnuFiler] = mnuFiler->menuAction();
    m_menus[Menu::mnuStart] = item(mnuFiler, "mnuStart", QStringLiteral("&Go!"));
    separator(mnuFiler, "mnuSS");
    m_menus[Menu::mnuAfslut] = item(mnuFiler, "mnuAfslut", QStringLiteral("&Exit"));

    QMenu *mnuFeatures = submenu(bar, "mnuFeatures", QStringLiteral("F&eatures"));
    bar->addMenu(mnuFeatures);
    m_menus[Menu::mnuFeatures] = mnuFeatures->menuAction();
    m_menus[Menu::mnuMakeShortcut] = item(mnuFeatures, "mnuMakeShortcut", QStringLiteral("Create shortcut on desktop"));

    QMenu *mnuInformation = submenu(bar, "mnuInformation", QStringLiteral("&Information"));
    bar->addMenu(mnuInformation);
    m_menus[Menu::mnuInformation] = mnuInformation->menuAction();
    m_menus[Menu::mnuOm] = item(mnuInformation, "mnuOm", QStringLiteral("&About this start-program"));
    m_menus[Menu::mnuAboutUse] = item(mnuInformation, "mnuAboutUse", QStringLiteral("About &using the start-program"));
    separator(mnuInformation, "mnuS");

    // The online submenu is switched off: shown greyed, nothing in it can be chosen.
    QMenu *mnuVarnholt = submenu(mnuInformation, "mnuVarnholt", QStringLiteral("&Varnholt Online"));
    mnuInformation->addMenu(mnuVarnholt);
    item(mnuVarnholt, "mnuInfoVarnholt", QString::fromUtf8(ProductTexts::NationalHostCaption));
    item(mnuVarnholt, "mnuVarnholtCom", QString::fromUtf8(ProductTexts::InternationalHostCaption));
    separator(mnuVarnholt, "s")->setEnabled(false);
    item(mnuVarnholt, "mnuOnlineStoej", QString::fromUtf8(ProductTexts::DepartmentMenuCaption))->setEnabled(false);
    mnuVarnholt->menuAction()->setEnabled(false);
    mnuVarnholt->setEnabled(false);

    QMenu *mnuKontakt = submenu(mnuInformation, "mnuKontakt", QStringLiteral("E-mail"));
    mnuInformation->addMenu(mnuKontakt);
    m_menus[Menu::mnuMailVarnholt]
        = item(mnuKontakt, "mnuMailVarnholt", QString::fromUtf8(ProductTexts::GeneralMailCaption));
    separator(mnuKontakt, "sssss");
    m_menus[Menu::mnuMailContactA]
        = item(mnuKontakt, "mnuMailContactA", QString::fromUtf8(ProductTexts::ContactACaption));
    m_menus[Menu::mnuMailContactB]
        = item(mnuKontakt, "mnuMailContactB", QString::fromUtf8(ProductTexts::ContactBCaption));

    for (auto it = m_menus.cbegin(); it != m_menus.cend(); ++it) {
        const Menu menu = it.key();
        connect(it.value(), &QAction::triggered, this, [this, menu] {
            if (m_behaviour)
                m_behaviour->menuChosen(menu);
        });
    }
}

FrmGraphics *Form1::graphics()
{
    if (!m_graphics)
        m_graphics = new FrmGraphics(this);
    return m_graphics;
}

QWidget *Form1::widget(Control control) const
{
    for (auto it = m_controls.cbegin(); it != m_controls.cend(); ++it)
        if (it.value() == control)
            return const_cast<QWidget *>(it.key());
    return m_client;
}

Control Form1::controlAt(const QPoint &clientPoint) const
{
    // The top-most control there; a part of a control (a list's inner widget) counts as the control.
    for (QWidget *w = m_client->childAt(clientPoint); w && w != m_client; w = w->parentWidget()) {
        const auto found = m_controls.constFind(w);
        if (found != m_controls.cend())
            return found.value();
    }
    return Control::Form1;
}

void Form1::setCaption(Control control, const std::string &text)
{
    if (control == Control::Check1)
        m_check1->setText(fromUtf8(text));
    else if (auto *label = qobject_cast<QLabel *>(widget(control)))
        label->setText(fromUtf8(text));
}

void Form1::setToolTip(Control control, const std::string &text)
{
    QWidget *w = widget(control);
    w->setToolTip(fromUtf8(text));
}

void Form1::setMenuCaption(Menu menu, const std::string &text)
{
    if (QAction *action = m_menus.value(menu))
        action->setText(fromUtf8(text));
}

void Form1::showBanner()
{
    m_image1->setPixmap(graphics()->image13()->pixmap());
}

void Form1::fillList(const std::vector<std::string> &lines)
{
    QStringList items;
    items.reserve(qsizetype(lines.size()));
    for (const std::string &line : lines)
        items << fromUtf8(line);
    const QSignalBlocker blocker(m_combo1);
    m_combo1->clear();
    m_combo1->addItems(items);
}

void Form1::selectLine(int p)
{
    const QSignalBlocker blocker(m_combo1);
    m_combo1->setCurrentIndex(p);
}

void Form1::setChecked(bool checked)
{
    const QSignalBlocker blocker(m_check1);
    m_check1->setChecked(checked);
}

void Form1::setLinkColour(Colour colour)
{
    setTextColour(m_label4, QColor(colour.red, colour.green, colour.blue));
}

bool Form1::keyPreview(QObject *watched, QKeyEvent *key)
{
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w || !m_behaviour)
        return false;
    // Who has the keyboard: an open menu, the menu bar in keyboard mode, the opened
    // list, or a control of this window. Keys of other windows (a message box) are theirs.
    QWidget *popup = QApplication::activePopupWidget();
    KeyTarget target = KeyTarget::Control;
    if (qobject_cast<QMenu *>(popup) || qobject_cast<QMenu *>(w) || qobject_cast<QMenuBar *>(w))
        target = KeyTarget::Menu;
    else if (popup && popup->parentWidget() == m_combo1)
        target = KeyTarget::OpenList;
    else if (w->window() != this)
        return false;
    return m_behaviour->keyPressed(key->key() == Qt::Key_Escape ? Key::Escape : Key::Other,
                                   key->modifiers().testFlag(Qt::AltModifier), target);
}

bool Form1::label4Mouse(QEvent *event)
{
    auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() != Qt::LeftButton)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        m_label4Pressed = true;
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        m_label4Pressed = false; // the second press of a double click is not another click
    } else if (event->type() == QEvent::MouseButtonRelease) {
        const bool click = m_label4Pressed && m_label4->rect().contains(mouse->position().toPoint());
        m_label4Pressed = false;
        if (click)
            label4Clicked();
    }
    return true;
}

void Form1::label4Clicked()
{
    if (m_behaviour)
        m_behaviour->clicked(Control::Label4);
}

QAccessibleInterface *Form1::accessibleControl(const QString &className, QObject *object)
{
    // Label4 is followed like a link, so a screen reader is told it is one. It is known
    // by its name: Qt may ask about it while it is being made, before m_label4 is set.
    if (className != QLatin1String("QLabel") || object->objectName() != QLatin1String("Label4"))
        return nullptr;
    auto *label = qobject_cast<QLabel *>(object);
    auto *form = label ? qobject_cast<Form1 *>(label->window()) : nullptr;
    if (!form)
        return nullptr;
    return new LinkAccessible(label, [form] { form->label4Clicked(); });
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
        return keyPreview(watched, static_cast<QKeyEvent *>(event));
    case QEvent::MouseMove:
        if (m_behaviour && watched->isWidgetType() && static_cast<QWidget *>(watched)->window() == this) {
            // By where the mouse is, not by which widget the move reached: a move that a
            // control passes on to its parent still happened over that control.
            const QPoint at = m_client->mapFromGlobal(static_cast<QMouseEvent *>(event)->globalPosition().toPoint());
            if (m_client->rect().contains(at))
                m_behaviour->mouseMovedOver(controlAt(at));
        }
        return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
        return watched == m_label4 && label4Mouse(event);
    default:
        return QMainWindow::eventFilter(watched, event);
    }
}

void Form1::closeEvent(QCloseEvent *event)
{
    if (m_behaviour)
        m_behaviour->closeRequested(); // the ending closes this window too; it acts only once
    event->accept();
}
