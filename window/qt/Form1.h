#pragma once

#include "window/Form1View.h"

#include <QCursor>
#include <QHash>
#include <QMainWindow>

class Form1Behaviour;
class FrmGraphics;
class LineControl;
class PictureButton;
class QAccessibleInterface;
class QAction;
class QComboBox;
class QLabel;
class QMenu;
class RightBoxCheckBox;

// The main window as Qt widgets: it lays out the controls, shows what the
// behaviour tells it and forwards every event to the behaviour.
class Form1 : public QMainWindow, public Form1View
{
    Q_OBJECT

public:
    static constexpr int ClientWidth = 592;
    static constexpr int ClientHeight = 304;

    explicit Form1(QWidget *parent = nullptr);
    ~Form1() override;

    // Where events go from now on; none is forwarded before.
    void setBehaviour(Form1Behaviour *behaviour) { m_behaviour = behaviour; }

    // The hidden artwork window, made on first use.
    FrmGraphics *graphics();

    // The control of the client area at a point of it (Control::Form1: the background).
    Control controlAt(const QPoint &clientPoint) const;

    void setCaption(Control control, const std::string &text) override;
    void setToolTip(Control control, const std::string &text) override;
    void setMenuCaption(Menu menu, const std::string &text) override;
    void showBanner() override;
    void fillList(const std::vector<std::string> &lines) override;
    void selectLine(int p) override;
    void setChecked(bool checked) override;
    void setLinkColour(Colour colour) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildControls();
    void buildMenus();
    QWidget *widget(Control control) const;
    bool keyPreview(QObject *watched, QKeyEvent *key);
    bool label4Mouse(QEvent *event);
    void label4Clicked();
    static QAccessibleInterface *accessibleControl(const QString &className, QObject *object);

    Form1Behaviour *m_behaviour = nullptr;
    FrmGraphics *m_graphics = nullptr;
    QCursor m_hand;
    bool m_label4Pressed = false; // a press began a click on Label4

    QWidget *m_client = nullptr;
    QComboBox *m_combo1 = nullptr;
    RightBoxCheckBox *m_check1 = nullptr;
    PictureButton *m_command1 = nullptr;
    PictureButton *m_cmdAfslut = nullptr;
    QLabel *m_label6 = nullptr;
    QLabel *m_image1 = nullptr;
    QLabel *m_label8 = nullptr;
    LineControl *m_line1 = nullptr;
    QLabel *m_image2 = nullptr;
    QLabel *m_label4 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_label1 = nullptr;
    QHash<const QWidget *, Control> m_controls; // each control of the client area
    QHash<Menu, QAction *> m_menus; // each menu's action and each item
};
