// Screens: top-level windows of a fixed size with a background picture and a
// persistent image (drawing lands in the image and shows on screen).
//
// Every screen exists once. SingleForm<T>::get() creates it without loading
// it (so public variables can be set first); Load() runs Form_Load once;
// Show() loads when needed and brings the window in front; Unload() runs
// Form_Unload and destroys the screen, after which get() makes a new one.
#pragma once

#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include <functional>

namespace ui {

class FocusChain;

class Form : public QWidget {
    Q_OBJECT
public:
    explicit Form(QWidget *parent = nullptr);
    ~Form() override;

    bool isFormLoaded() const { return m_loaded; }
    void Load();
    void Show();
    void Hide();

    // The background picture; setting it resets the persistent image.
    void setPicture(const QPixmap &picture);
    const QPixmap &picture() const { return m_picture; }
    // The persistent image (as large as the window).
    QImage &image() { return m_image; }
    void Refresh() { repaint(); }
    void setMouseIcon(const QCursor &cursor) { setCursor(cursor); }

    // Runs Form_Unload (used by SingleForm::Unload).
    void runUnload();
    // The screen's keyboard focus chain (Tab, Enter, Space, Esc).
    FocusChain *keys() const { return m_keys; }

    // A screen of the scene: frameless, and every Show() puts it at the
    // scene's place (centred on the screen, or (0, 0) on a 640 x 480 one).
    void setSceneScreen(bool on);
    bool isSceneScreen() const { return m_sceneScreen; }
    // What the window's close button (or Alt+F4) does on every form that does
    // not override Form_QueryClose: the program's exit question.
    static void setCloseRequestHandler(std::function<void()> handler);
    // Called with a form that is being unloaded or destroyed, so that whoever
    // keeps a pointer to the screen in front can let go of it.
    static void setFormGoneHandler(void (*handler)(Form *));

protected:
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Unload() {}
    virtual void Form_MouseDown(Qt::MouseButton, int, int) {}
    virtual void Form_MouseUp(Qt::MouseButton, int, int) {}
    virtual void Form_MouseMove(Qt::MouseButtons, int, int) {}
    // The window's close button and Alt+F4; the window itself never closes.
    virtual void Form_QueryClose();

    void paintEvent(QPaintEvent *) override;
    void resizeEvent(QResizeEvent *) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseReleaseEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void closeEvent(QCloseEvent *e) override;
    bool event(QEvent *e) override;

private:
    void activated();
    QPixmap m_picture;
    QImage m_image;
    FocusChain *m_keys = nullptr;
    bool m_loaded = false;
    bool m_active = false;
    bool m_sceneScreen = false;
};

template <class T>
class SingleForm : public Form {
public:
    using Form::Form;
    // The screen, created on first use (not loaded).
    static T &get() {
        if (!s_instance) s_instance = new T;
        return *s_instance;
    }
    // The screen when it exists, else nullptr.
    static T *existing() { return s_instance; }
    static bool loaded() { return s_instance && s_instance->isFormLoaded(); }
    // Runs Form_Unload, hides and destroys the screen.
    static void Unload() {
        T *f = s_instance;
        if (!f) return;
        s_instance = nullptr;
        f->runUnload();
        f->hide();
        f->deleteLater();
    }
    ~SingleForm() override {
        if (s_instance == this) s_instance = nullptr;
    }

private:
    static inline T *s_instance = nullptr;
};

// The icon every window shares.
const QIcon &programIcon();
// Runs work (while context lives) once the first window has drawn its first
// picture, or a quarter of a second after the call at most; afterwards soon
// after the call. Start-up work the title does not need waits for it, so the
// title reaches the screen sooner.
void afterFirstPicture(QObject *context, std::function<void()> work);
// Called after a window has drawn.
void firstPictureDrawn();
// Gives a window the program's icon. Drawing the icon needs the font list,
// which costs milliseconds at start-up, so until the icon has been drawn a
// window gets it after the first picture.
void setProgramIcon(QWidget *window);
// The program's icon at size x size pixels (also the installed icons).
QImage drawProgramIcon(int size);

}  // namespace ui
