#include "ui/Form.h"

#include "ui/Keyboard.h"
#include "ui/Scene.h"
#include "ui/fonts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QIcon>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QTimer>

#include <vector>

namespace ui {

namespace {
// A plain pointer: forms may still go while the program's statics are torn down.
void (*g_formGone)(Form *) = nullptr;

void formGone(Form *form) {
    if (g_formGone) g_formGone(form);
}
}  // namespace

Form::Form(QWidget *parent) : QWidget(parent, Qt::Window) {
    setMouseTracking(true);
    setFont(screenFont());
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_image = QImage(640, 480, QImage::Format_RGB32);
    m_image.fill(QColor(0xC0, 0xC0, 0xC0));
    m_keys = new FocusChain(this);
}

Form::~Form() { formGone(this); }

void Form::Load() {
    if (m_loaded) return;
    m_loaded = true;
    Form_Load();
}

void Form::Show() {
    Load();
    if (m_sceneScreen) move(sceneOrigin());
    // A minimised screen comes back when it is shown again.
    if (windowState() & Qt::WindowMinimized) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
    activated();
}

void Form::Hide() {
    m_active = false;
    hide();
}

void Form::runUnload() {
    if (m_loaded) Form_Unload();
    m_loaded = false;
    formGone(this);
}

void Form::setPicture(const QPixmap &picture) {
    m_picture = picture;
    m_image = QImage(size().expandedTo(picture.size()).expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    m_image.fill(QColor(0xC0, 0xC0, 0xC0));
    if (!picture.isNull()) {
        QPainter p(&m_image);
        p.drawPixmap(0, 0, picture);
    }
    update();
}

void Form::resizeEvent(QResizeEvent *) {
    if (m_image.width() < width() || m_image.height() < height()) {
        QImage bigger(size().expandedTo(m_image.size()), QImage::Format_RGB32);
        bigger.fill(QColor(0xC0, 0xC0, 0xC0));
        QPainter p(&bigger);
        p.drawImage(0, 0, m_image);
        m_image = bigger;
    }
}

void Form::paintEvent(QPaintEvent *e) {
    QPainter p(this);
    p.drawImage(e->rect(), m_image, e->rect());
    firstPictureDrawn();
}

void Form::mousePressEvent(QMouseEvent *e) {
    Form_MouseDown(e->button(), int(e->position().x()), int(e->position().y()));
}

void Form::mouseReleaseEvent(QMouseEvent *e) {
    Form_MouseUp(e->button(), int(e->position().x()), int(e->position().y()));
}

void Form::mouseMoveEvent(QMouseEvent *e) {
    Form_MouseMove(e->buttons(), int(e->position().x()), int(e->position().y()));
}

namespace {
std::function<void()> g_closeRequest;
}

void Form::setCloseRequestHandler(std::function<void()> handler) { g_closeRequest = std::move(handler); }

void Form::setFormGoneHandler(void (*handler)(Form *)) { g_formGone = handler; }

void Form::Form_QueryClose() {
    if (g_closeRequest) g_closeRequest();
}

void Form::setSceneScreen(bool on) {
    m_sceneScreen = on;
    setWindowFlag(Qt::FramelessWindowHint, on || windowFlags().testFlag(Qt::FramelessWindowHint));
}

void Form::closeEvent(QCloseEvent *e) {
    e->ignore();
    Form_QueryClose();
}

bool Form::event(QEvent *e) {
    if (e->type() == QEvent::WindowActivate) activated();
    else if (e->type() == QEvent::WindowDeactivate) m_active = false;
    return QWidget::event(e);
}

void Form::activated() {
    if (m_active || !m_loaded || !isVisible()) return;
    m_active = true;
    Form_Activate();
}

QImage drawProgramIcon(int size) {
    // A rounded blue book with a yellow bookmark line and a white "T".
    QImage img(size, size, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const qreal s = size / 64.0;
    QPainterPath book;
    book.addRoundedRect(QRectF(6 * s, 6 * s, 52 * s, 52 * s), 10 * s, 10 * s);
    p.fillPath(book, QColor(0x2E, 0x6F, 0xB7));
    p.fillRect(QRectF(14 * s, 50 * s, 36 * s, 4 * s), QColor(0xF4, 0xC4, 0x30));
    QFont f = screenFont();
    f.setPixelSize(int(38 * s));
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRectF(6 * s, 4 * s, 52 * s, 46 * s), Qt::AlignCenter, QStringLiteral("T"));
    return img;
}

namespace {
bool g_iconDrawn = false;
bool g_firstPictureShown = false;
bool g_workScheduled = false;
std::vector<std::pair<QPointer<QObject>, std::function<void()>>> g_waitingWork;

void runWaitingWork() {
    g_workScheduled = false;
    g_firstPictureShown = true;
    auto waiting = std::move(g_waitingWork);
    g_waitingWork.clear();
    for (auto &[context, work] : waiting)
        if (context) work();
}
}  // namespace

const QIcon &programIcon() {
    // Drawn once, shared by every window.
    static const QIcon icon = [] {
        QIcon ic;
        for (int size : {16, 32, 48, 64}) ic.addPixmap(QPixmap::fromImage(drawProgramIcon(size)));
        g_iconDrawn = true;
        return ic;
    }();
    return icon;
}

void afterFirstPicture(QObject *context, std::function<void()> work) {
    if (g_firstPictureShown) {
        QTimer::singleShot(0, context, std::move(work));
        return;
    }
    g_waitingWork.emplace_back(context, std::move(work));
    // Should no window draw soon, the work is done anyway.
    QTimer::singleShot(250, context, [] {
        if (!g_waitingWork.empty()) runWaitingWork();
    });
}

void setProgramIcon(QWidget *window) {
    if (g_iconDrawn) {
        window->setWindowIcon(programIcon());
        return;
    }
    afterFirstPicture(window, [window] { window->setWindowIcon(programIcon()); });
}

void firstPictureDrawn() {
    if (g_firstPictureShown || g_workScheduled) return;
    // After this picture has reached the screen.
    g_workScheduled = true;
    QTimer::singleShot(0, qApp, &runWaitingWork);
}

}  // namespace ui
