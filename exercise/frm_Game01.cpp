#include "exercise/frm_Game01.h"

#include "app/Misc.h"
#include "app/Services.h"
#include "content/CourseFile.h"
#include "content/Records.h"
#include "exercise/Catalogue.h"
#include "exercise/FocusRules.h"
#include "exercise/GameKeys.h"
#include "exercise/TextFit.h"
#include "exercise/Toolbar.h"
#include "platform/msgbox.h"
#include "platform/paths.h"
#include "print/PrintJob.h"
#include "print/Worksheets.h"
#include "screens/frm_Chybovy.h"
#include "screens/frm_Intro.h"
#include "screens/frm_Setup.h"

#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QThread>
#include <QTimer>

using namespace Misc;

namespace {

constexpr QRgb kMagenta = 0xFF00FF;

// The loudspeaker of the listening rows: a grey speaker with a dark cone and
// three sound waves, on a transparent ground (41 x 28).
QPixmap loudspeakerPicture() {
    QPixmap pm(41, 28);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 1.5));
    p.setBrush(QColor(0xB8, 0xB8, 0xC0));
    p.drawRoundedRect(QRectF(3, 9, 8, 10), 1.5, 1.5);
    QPainterPath cone;
    cone.moveTo(11, 9);
    cone.lineTo(20, 3);
    cone.lineTo(20, 25);
    cone.lineTo(11, 19);
    cone.closeSubpath();
    p.setBrush(QColor(0x3A, 0x5F, 0x9E));
    p.drawPath(cone);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2.0, Qt::SolidLine, Qt::RoundCap));
    for (int k = 0; k < 3; ++k) {
        const qreal r = 5 + 5 * k;
        p.drawArc(QRectF(20 - r, 14 - r, 2 * r, 2 * r), -40 * 16, 80 * 16);
    }
    p.end();
    return pm;
}

ui::Label *makeLabel(QWidget *parent, int x, int y, int w, int h) {
    auto *l = new ui::Label(parent);
    l->setGeometry(x, y, w, h);
    return l;
}

// Creates elements 2 ... count of a row array, each a copy of element 1
// moved down by (i - 1) x step (or by the given cell offsets), hidden.
template <class T>
void createRows(ui::ControlArray<T> &array, int count, int step) {
    T *first = array(1);
    for (int i = 2; i <= count; ++i) {
        T *c = array.Load(i);
        c->setGeometry(first->x(), first->y() + (i - 1) * step, first->width(), first->height());
        c->hide();
    }
}

template <class T>
void createGridRows(ui::ControlArray<T> &array, int count) {
    T *first = array(1);
    for (int i = 2; i <= count; ++i) {
        T *c = array.Load(i);
        const QPoint d = exercise::listeningGridOffset(i);
        c->setGeometry(first->x() + d.x(), first->y() + d.y(), first->width(), first->height());
        c->hide();
    }
}

// The exercise number as a number when ExerciseNumber is exactly "1" ...
// "24", else 0.
int exerciseFromText(const QString &text) {
    bool ok = false;
    const int n = text.toInt(&ok);
    return (ok && n >= 1 && n <= 24 && QString::number(n) == text) ? n : 0;
}

}  // namespace

frm_Game01::frm_Game01() {
    auto *textPred = makeLabel(this, 88, 95, 73, 20);
    textPred->setBackColor(Qt::white);
    TextPred.setElement(1, textPred);
    auto *tv = new ui::TextBox(this);
    tv->setGeometry(168, 95, 27, 20);
    tv->setLocked(true);
    TVstup.setElement(1, tv);
    auto *textZa = makeLabel(this, 232, 95, 73, 20);
    textZa->setBackColor(Qt::white);
    TextZa.setElement(1, textZa);
    auto *vzor = makeLabel(this, 29, 107, 70, 20);
    vzor->setBackStyle(ui::BackStyle::Transparent);
    Vzor.setElement(1, vzor);
    const int switchLefts[3] = {276, 324, 372};
    ui::ControlArray<ui::Label> *switches[3] = {&Prepinac1, &Prepinac2, &Prepinac3};
    for (int s = 0; s < 3; ++s) {
        auto *l = makeLabel(this, switchLefts[s], 150, 40, 20);
        l->setBackStyle(ui::BackStyle::Transparent);
        l->setAlignment(Qt::AlignHCenter);
        switches[s]->setElement(1, l);
    }
    Prepinac3(1)->hide();
    auto *mark = new ui::Image(this);
    mark->setGeometry(592, 90, 32, 32);
    mark->hide();
    IHodnoceni.setElement(1, mark);
    auto *listMark = new ui::Image(this);
    listMark->setGeometry(536, 96, 32, 32);
    listMark->hide();
    IPomHodnoceni.setElement(1, listMark);
    auto *speaker = new ui::Image(this);
    speaker->setGeometry(64, 152, 41, 28);
    speaker->setPicture(loudspeakerPicture());
    speaker->hide();
    Klakson.setElement(1, speaker);
    auto *top = new ui::PictureBox(this);
    top->setGeometry(273, 5, 91, 75);
    top->setDimmedWhenDisabled(true);
    PicTop.setElement(1, top);
    picPokracuj = new ui::PictureBox(this);
    picPokracuj->setGeometry(526, 457, 94, 23);
    picPokracuj->hide();
    ListBox = new ui::PictureBox(this);
    ListBox->setGeometry(472, 176, 76, 86);
    ListBox->setBackColor(Qt::black);
    ListBox->hide();
    for (int k = 1; k <= 4; ++k) {
        auto *option = makeLabel(ListBox, 2, 2 + 20 * (k - 1), 70, 20);
        option->setBackColor(Qt::white);
        Polozka.setElement(k, option);
    }
    for (int k = 1; k <= 12; ++k) {
        auto *tile = new ui::PictureBox(this);
        const QPoint place = exercise::designTilePlace(k);
        tile->setGeometry(place.x(), place.y(), 50, 20);
        picDown.setElement(k, tile);
        auto *word = makeLabel(tile, 0, 0, 50, 20);
        word->setBackStyle(ui::BackStyle::Transparent);
        word->setAlignment(Qt::AlignHCenter);
        LDown.setElement(k, word);
    }
    auto *main = new ui::PictureBox(this);
    main->setGeometry(0, 600, 45, 37);
    PicMain.setElement(1, main);
    Text1 = new ui::TextBox(this);
    Text1->setGeometry(104, 520, 77, 19);

    top->events.MouseDown = [this](int i, Qt::MouseButton, int, int) { PicTop_MouseDown(i); };
    top->events.DblClick = [this](int i) { PicTop_MouseDown(i); };
    top->events.MouseMove = [this](int i, Qt::MouseButtons, int, int) { PicTop_MouseMove(i); };

    connectRunHandlers();
    connectTileSwitchHandlers();
    connectEx18Handlers();
    exercise::setUpExerciseKeys(*this);
}

void frm_Game01::Show() {
    Load();
    if (m_loadAborted) return;
    ui::Form::Show();
}

void frm_Game01::Form_Load() { ExerciseFormLoad(); }

void frm_Game01::ExerciseFormLoad() {
    m_exercise = exerciseFromText(ExerciseNumber);
    PrepareScreenWindow(this, 640, 480);
    ScaleScreenControls(this);
    setMouseIcon(CursorArrow);
    if (m_exercise == 0) {
        // Nothing chosen that this form knows: there is no exercise to show.
        m_loadAborted = true;
        if (!PrintMode) returnToSetupWhenIdle(QThread::currentThread()->loopLevel());
        return;
    }
    SetUpNavigationButtons(*this);
    ContinueButtonPicture = LoadPicture(QStringLiteral("Bitmap\\Setup\\pokracuj.bmp")).toImage();
    picPokracuj->hide();

    HoverCode = 0;
    CorrectCount = 0;
    WrongCount = 0;
    ItemsRemaining = QuestionCount;
    ItemsOnPage = exercise::itemsOnFirstPage(m_exercise, QuestionCount);
    setPicture(LoadPicture(exercise::backgroundOf(m_exercise, ItemsOnPage)));

    setUpExerciseControls();

    const bool enough = loadExerciseContent();
    if (const int options = exercise::listOptionCountOf(m_exercise)) ListOptionCount = options;
    if (m_exercise == 18) {
        ListPos = 0;
        for (int i = 1; i <= 3; ++i) PicTop(i)->QWidget::setEnabled(false);
    }

    if (PrintMode) {
        // The worksheet printer checks the records it needs itself.
        print::PrintWorksheets();
        return;
    }
    if (!enough) return;
    FillPage();
    frm_Chybovy::get().Load();  // the hint window of the answer marks, not shown yet
}

void frm_Game01::setUpExerciseControls() {
    const int n = m_exercise;
    const int rows = ItemsOnPage;
    auto hideSwitches = [this] {
        Prepinac1(1)->hide();
        Prepinac2(1)->hide();
        Prepinac3(1)->hide();
    };
    auto hideAllTiles = [this] {
        for (int k = 1; k <= 12; ++k) picDown(k)->hide();
    };
    auto setTop3 = [this](int top) {
        TextPred(1)->setTop(top);
        TextZa(1)->setTop(top);
        TVstup(1)->setTop(top);
    };

    switch (n) {
    case 1:
        hideSwitches();
        IHodnoceni(1)->move(570, 90);
        TVstup(1)->setWidth(tileGapBoxWidth());
        createRows(TextPred, rows, 33);
        createRows(TextZa, rows, 33);
        createRows(TVstup, rows, 33);
        createRows(IHodnoceni, rows, 33);
        setUpTiles();
        break;
    case 2: case 4: case 11:
        hideAllTiles();
        setTop3(126);
        TVstup(1)->setWidth(n == 4 ? 48 : 32);
        IHodnoceni(1)->move(570, 121);
        if (n == 11) {
            Prepinac1(1)->setLeft(252);
            Prepinac2(1)->setLeft(300);
            Prepinac3(1)->setLeft(348);
            Prepinac3(1)->show();
        }
        createRows(TextPred, rows, 66);
        createRows(TextZa, rows, 66);
        createRows(TVstup, rows, 66);
        createRows(IHodnoceni, rows, 66);
        createRows(Prepinac1, rows, 66);
        createRows(Prepinac2, rows, 66);
        if (n == 11) createRows(Prepinac3, rows, 66);
        loadSwitchPictures();
        Prepinac1(1)->setCaption(QString());
        Prepinac2(1)->setCaption(QString());
        if (n == 11) Prepinac3(1)->setCaption(QString());
        break;
    case 3:
        hideAllTiles();
        hideSwitches();
        TextZa(1)->hide();
        TextPred(1)->setGeometry(88, 128, 225, TextPred(1)->height());
        TextPred(1)->setAlignment(Qt::AlignHCenter);
        TextPred(1)->setBackStyle(ui::BackStyle::Transparent);
        TextPred(1)->setForeColor(Qt::white);
        TVstup(1)->setGeometry(328, 128, 225, TVstup(1)->height());
        TVstup(1)->setLocked(false);
        IHodnoceni(1)->move(570, 121);
        createRows(TextPred, rows, 32);
        createRows(TVstup, rows, 32);
        createRows(IHodnoceni, rows, 32);
        break;
    case 5: case 6:
        hideSwitches();
        IHodnoceni(1)->move(595, 85);
        TextPred(1)->setLeft(63);
        setTop3(91);
        TVstup(1)->setWidth(tileGapBoxWidth());
        createRows(TextPred, rows, 33);
        createRows(TextZa, rows, 33);
        createRows(TVstup, rows, 33);
        createRows(IHodnoceni, rows, 33);
        setUpTiles();
        break;
    case 7: case 8: case 10: case 12: {
        if (n == 7) Polozka(4)->hide();
        Vzor(1)->hide();  // unused here; shown it would catch the clicks on row 1's box
        hideSwitches();
        hideAllTiles();
        if (n == 7 || n == 10) ListBox->setHeight(ListBox->height() - Polozka(4)->height());
        ListBox->setWidth(n == 7 ? 96 : 140);
        for (int k = 1; k <= 4; ++k) Polozka(k)->setWidth(ListBox->width() - 6);
        TVstup(1)->setWidth(n == 7 ? 90 : 140);
        IHodnoceni(1)->move(595, 101);
        TextPred(1)->setLeft(63);
        setTop3(107);
        createRows(TextPred, rows, 35);
        createRows(TextZa, rows, 35);
        createRows(TVstup, rows, 35);
        createRows(IHodnoceni, rows, 35);
        break;
    }
    case 9: case 20:
        hideSwitches();
        ListBox->hide();
        hideAllTiles();
        TextPred(1)->setLeft(129);
        setTop3(107);
        IHodnoceni(1)->move(600, 101);
        TVstup(1)->setWidth(60);
        Vzor(1)->setLeft(22);
        Vzor(1)->setWidth(84);
        createRows(Vzor, rows, 35);
        createRows(TextPred, rows, 35);
        createRows(TextZa, rows, 35);
        createRows(TVstup, rows, 35);
        createRows(IHodnoceni, rows, 35);
        break;
    case 13:
        hideSwitches();
        ListBox->hide();
        hideAllTiles();
        TextZa(1)->hide();
        TextPred(1)->move(182, 129);
        TVstup(1)->setGeometry(182, 149, 390, TVstup(1)->height());
        Vzor(1)->setGeometry(20, 139, 138, Vzor(1)->height());
        IHodnoceni(1)->move(600, 132);
        createRows(Vzor, rows, 65);
        createRows(TextPred, rows, 65);
        createRows(TVstup, rows, 65);
        createRows(IHodnoceni, rows, 65);
        break;
    case 14:
        hideSwitches();
        ListBox->hide();
        hideAllTiles();
        TextPred(1)->move(59, 116);
        TextZa(1)->setLeft(59);
        TVstup(1)->setGeometry(TextPred(1)->x(), 137, 390, TVstup(1)->height());
        TextZa(1)->setTop(TVstup(1)->y());
        Vzor(1)->setBackStyle(ui::BackStyle::Opaque);
        Vzor(1)->setBackColor(Qt::white);
        Vzor(1)->setForeColor(Qt::black);
        IHodnoceni(1)->move(600, 132);
        createRows(TextPred, rows, 70);
        createRows(TVstup, rows, 70);
        createRows(TextZa, rows, 70);
        createRows(Vzor, rows, 70);
        createRows(IHodnoceni, rows, 70);
        break;
    case 15: case 16: case 17:
        hideSwitches();
        ListBox->hide();
        Vzor(1)->hide();
        hideAllTiles();
        TextPred(1)->move(62, 107);
        // The box and the after-text stand on the line of the before-text;
        // at their design height the row would read as two steps.
        TVstup(1)->setTop(107);
        TextZa(1)->setTop(107);
        TVstup(1)->setWidth(60);
        TVstup(1)->setLocked(false);
        IHodnoceni(1)->move(600, 102);
        createRows(TextPred, rows, 35);
        createRows(TVstup, rows, 35);
        createRows(TextZa, rows, 35);
        createRows(IHodnoceni, rows, 35);
        break;
    case 18: {
        hideSwitches();
        ListBox->hide();
        Vzor(1)->hide();
        TVstup(1)->hide();
        TextZa(1)->hide();
        hideAllTiles();
        loadSwitchPictures();
        TextPred(1)->move(62, 126);
        TextPred(1)->setBackStyle(ui::BackStyle::Transparent);
        IPomHodnoceni(1)->move(600, 120);
        IPomHodnoceni(1)->hide();
        IPomHodnoceni.Load(2)->setGeometry(600, 300, IPomHodnoceni(1)->width(), IPomHodnoceni(1)->height());
        IPomHodnoceni(2)->hide();
        TextPred(1)->setAutoSize(true);
        static const int tops[11] = {0, 126, 154, 181, 208, 235, 306, 334, 361, 388, 415};
        for (int i = 2; i <= 10; ++i) {
            ui::Label *l = TextPred.Load(i);
            l->setBackStyle(ui::BackStyle::Transparent);
            l->setTop(tops[i]);
            l->hide();
        }
        break;
    }
    case 19: {
        hideSwitches();
        TextPred(1)->hide();
        TextZa(1)->hide();
        TVstup(1)->hide();
        PicMain(1)->setPicture(LoadPicture(QStringLiteral("Bitmap\\Games\\19_bckg.bmp")));
        IHodnoceni(1)->move(603, 117);
        TextPred(1)->resize(245, 28);
        setUpTiles();
        createRows(IHodnoceni, rows, 73);
        createRows(TextPred, rows, 0);
        static const QPoint labels[6] = {{0, 0}, {349, 119}, {273, 192}, {349, 265}, {273, 338}, {349, 411}};
        for (int i = 1; i <= 5; ++i)
            if (ui::Label *l = TextPred(i)) l->move(labels[i]);
        break;
    }
    case 21:
        hideSwitches();
        TextPred(1)->hide();
        TextZa(1)->hide();
        TVstup(1)->hide();
        IHodnoceni(1)->move(402, 120);
        TextPred(1)->setGeometry(39, 123, 172, 20);
        TextPred(1)->setAlignment(Qt::AlignHCenter);
        TextPred(1)->setBackStyle(ui::BackStyle::Transparent);
        TextPred(1)->setForeColor(Qt::white);
        TVstup(1)->setGeometry(224, 123, 172, 20);
        createRows(IHodnoceni, rows, 32);
        createRows(TextPred, rows, 32);
        createRows(TVstup, rows, 32);
        setUpTiles();
        break;
    case 22: case 23: case 24: {
        hideSwitches();
        Vzor(1)->hide();
        hideAllTiles();
        TextPred(1)->hide();
        TVstup(1)->hide();
        TextZa(1)->hide();
        const bool grid = n != 24;
        Klakson(1)->move(grid ? QPoint(28, 131) : QPoint(33, 105));
        Klakson(1)->show();
        const QPoint row = grid ? QPoint(78, 135) : QPoint(83, 107);
        TextPred(1)->move(row);
        TVstup(1)->move(row);
        TextZa(1)->move(row);
        IHodnoceni(1)->move(grid ? QPoint(195, 130) : QPoint(595, 102));
        if (grid) {
            createGridRows(Klakson, rows);
            createGridRows(TextPred, rows);
            createGridRows(TVstup, rows);
            createGridRows(TextZa, rows);
            createGridRows(IHodnoceni, rows);
        } else {
            createRows(Klakson, rows, 35);
            createRows(TextPred, rows, 35);
            createRows(TVstup, rows, 35);
            createRows(TextZa, rows, 35);
            createRows(IHodnoceni, rows, 35);
        }
        break;
    }
    default:
        break;
    }
}

void frm_Game01::setUpTiles() {
    const int n = m_exercise;
    const int w = exercise::tileWidth(n);
    for (int k = 1; k <= 12; ++k) {
        ui::PictureBox *tile = picDown(k);
        if (!exercise::tileUsed(n, k)) {
            tile->hide();
            continue;
        }
        const QPoint place = exercise::tilePlace(n, k);
        tile->setGeometry(place.x(), place.y(), w, 20);
        LDown(k)->setGeometry(0, 0, w, 20);
        tile->setMask(QRegion(exercise::tileOutline(w), Qt::OddEvenFill));
        TileStart[std::size_t(k)] = {tile->Left(), tile->Top()};
        LDown(k)->setCaption(QString());
        LDown(k)->setBackStyle(ui::BackStyle::Transparent);
        QImage face(w, 20, QImage::Format_RGB32);
        if (n == 19 || n == 21) {
            LDown(k)->setBackColor(Qt::white);
            LDown(k)->setForeColor(Qt::black);
            face.fill(Qt::white);
        } else {
            // The tile shows the artwork the background has at its place.
            face = image().copy(place.x(), place.y(), w, 20).convertToFormat(QImage::Format_RGB32);
        }
        tile->image() = face;
        tile->show();
        tile->update();
    }
}

void frm_Game01::loadSwitchPictures() {
    SwitchPictures.clear();
    auto add = [this](int index, const char *name) {
        SwitchPictures[index] = LoadPicture(QStringLiteral("Bitmap\\Games\\%1.bmp").arg(QLatin1String(name)));
    };
    switch (m_exercise) {
    case 2: add(0, "02_sw_0"); add(1, "02_sw_1"); add(2, "02_sw_2"); break;
    case 4:
        add(0, "04_sw_10"); add(1, "04_sw_11"); add(2, "04_sw_12");
        add(10, "04_sw_20"); add(11, "04_sw_21"); add(12, "04_sw_22");
        break;
    case 11: add(0, "11_sw_0"); add(1, "11_sw_1"); add(2, "11_sw_2"); add(3, "11_sw_3"); break;
    case 18: add(0, "18_sw_0"); add(1, "18_sw_1"); add(2, "18_sw_2"); break;
    default: break;
    }
}

bool frm_Game01::loadExerciseContent() {
    const int n = m_exercise;
    const QString file = exercise::contentFileOf(n);
    const content::CourseFileRead read = content::LoadCheckedContentFile(DataPath(file), content::layoutOfExercise(n), n);
    if (!read.ok()) {
        reportUnusableContent(read);
        return false;
    }
    int have = RecordCount;
    if (n == 21) {
        // The topic screen marks its chosen buttons with Tag "1"; without the
        // screen (or without a button of that number) no topic is chosen.
        const frm_Intro *intro = frm_Intro::existing();
        content::CopyChosenTopics([intro](int t) {
            const ui::Label *button = intro ? intro->TlacitkoTema(t) : nullptr;
            return button && button->Tag == QLatin1String("1");
        });
        have = TopicRecordCount;
    }
    if (PrintMode) return true;
    const int need = exercise::recordsNeeded(n, QuestionCount, ItemsOnPage);
    if (have >= need) return true;
    reportTooFewRecords(platform::nativePath(DataPath(file)), have, need);
    return false;
}

void frm_Game01::reportUnusableContent(const content::CourseFileRead &read) {
    if (PrintMode) {
        // The print job's failure message says that nothing was printed.
        if (print::PrintJob *job = print::PrintJob::current()) job->fail(content::CourseFileMessage(read, QString()));
        return;
    }
    const QString text = content::CourseFileMessage(read, content::ExerciseCannotStart());
    m_loadAborted = true;
    platform::msgBox(text, QStringLiteral("Chyba"), platform::MsgIcon::Critical, platform::MsgButtons::Ok);
    returnToSetupWhenIdle(QThread::currentThread()->loopLevel());
}

void frm_Game01::reportTooFewRecords(const QString &file, int have, int need) {
    m_loadAborted = true;
    const QString text =
        m_exercise == 21
            ? QStringLiteral("Vybraná témata v souboru %1 mají jen %2 položek; pro tento počet otázek je jich "
                             "potřeba alespoň %3.")
                  .arg(file)
                  .arg(have)
                  .arg(need)
            : QStringLiteral("Soubor %1 má jen %2 položek; pro tento počet otázek je jich potřeba alespoň %3.")
                  .arg(file)
                  .arg(have)
                  .arg(need);
    platform::msgBox(text, QStringLiteral("Chyba"), platform::MsgIcon::Critical, platform::MsgButtons::Ok);
    returnToSetupWhenIdle(QThread::currentThread()->loopLevel());
}

void frm_Game01::returnToSetupWhenIdle(int loopLevel) {
    // The screen that opened this form finishes its own change of screens
    // first (it may wait with events); the way back runs once control is
    // back at the event loop the load was started from.
    QTimer::singleShot(0, this, [this, loopLevel] {
        if (QThread::currentThread()->loopLevel() > loopLevel) {
            QTimer::singleShot(10, this, [this, loopLevel] { returnToSetupWhenIdle(loopLevel); });
            return;
        }
        GoBackToSetup();
    });
}

void frm_Game01::Form_Unload() {
    PicTop.UnloadCreated();
    TextPred.UnloadCreated();
    TVstup.UnloadCreated();
    TextZa.UnloadCreated();
    Vzor.UnloadCreated();
    Prepinac1.UnloadCreated();
    Prepinac2.UnloadCreated();
    Prepinac3.UnloadCreated();
    IHodnoceni.UnloadCreated();
    IPomHodnoceni.UnloadCreated();
    Klakson.UnloadCreated();
    PicMain.UnloadCreated();
    SwitchPictures.clear();
    frm_Chybovy::Unload();
}

void frm_Game01::Form_Activate() {
    if (!TVstup(1)) return;
    bool boxFocused = false;
    for (int r = 1; r <= std::min(int(ItemsOnPage), 10); ++r)
        boxFocused = boxFocused || (TVstup(r) && focusWidget() == TVstup(r));
    const bool fresh = m_freshPage;
    m_freshPage = false;
    switch (exercise::focusOnActivate(exercise::focusRuleOf(m_exercise), !PicTop(1)->isEnabled(), fresh, boxFocused)) {
    case exercise::FocusTarget::HiddenBox: Text1->setFocus(); break;
    case exercise::FocusTarget::FirstAnswerBox: TVstup(1)->setFocus(); break;
    case exercise::FocusTarget::Unchanged: break;
    }
}

void frm_Game01::Form_MouseDown(Qt::MouseButton, int x, int y) {
    if (exercise::inHelpArea(x, y)) {
        PlayClickSound();
        frm_Intro &intro = frm_Intro::get();
        intro.STAV_FORMU.clear();
        intro.Load();
        intro.setPicture(LoadPicture(QStringLiteral("Bitmap\\Help\\%1.bmp").arg(ExerciseNumber2())));
        intro.Show();
        intro.Nadrazeny_form = this;
        CurrentScreen = &intro;
        Hide();
    }
    if (exercise::listOptionCountOf(m_exercise) > 0 && ListBox->Visible()) ListBox->hide();
}

void frm_Game01::Form_MouseMove(Qt::MouseButtons, int x, int y) {
    picPokracuj->setLit(false);
    if (!exercise::inHelpArea(x, y)) {
        setMouseIcon(CursorArrow);
        if (HoverCode != 0) {
            HighlightToolbarButton(*this, 0);
            HoverCode = 0;
        }
    } else if (HoverCode != 5) {
        PlayHoverSound();
        setMouseIcon(CursorHelp);
        HoverCode = 5;
    }
}

void frm_Game01::PicTop_MouseDown(int index) {
    // A disabled button does nothing (a double-click repeats the press and
    // must not check a page twice).
    if (!PicTop(index) || !PicTop(index)->isEnabled()) return;
    PlayClickSound();
    switch (index) {
    case 1: CheckPage(); break;
    case 2: NewPage(); break;
    case 3: ShowResultsTable(); break;
    case 4: GoBackToSetup(); break;
    default: break;
    }
}

void frm_Game01::PicTop_MouseMove(int index) {
    picPokracuj->setLit(false);
    if (index == HoverCode) return;
    PlayHoverSound();
    HighlightToolbarButton(*this, index);
    HoverCode = std::uint8_t(index);
}

void frm_Game01::GoBackToSetup() {
    frm_Setup &setup = frm_Setup::get();
    setup.Show();
    CurrentScreen = &setup;
    Hide();
    Unload();  // this form is gone from here on
    WaitBusy(100);
    RestoreKeyboardLayout();
}

void frm_Game01::RevealContinueButton() {
    QPointer<frm_Game01> self(this);
    constexpr int w = 94, h = 23;
    m_revealBackground = image().copy(picPokracuj->x(), picPokracuj->y(), w, h).convertToFormat(QImage::Format_RGB32);
    const QImage button = ContinueButtonPicture.convertToFormat(QImage::Format_RGB32);
    picPokracuj->QWidget::setEnabled(false);
    picPokracuj->image() = m_revealBackground;
    picPokracuj->show();
    picPokracuj->repaint();
    for (int k = 0; k <= 24; ++k) {
        TransparentBlit(picPokracuj, 0, 24 - k, w, h, button, 0, 0, kMagenta);
        WaitWithEvents(15);
        // A click during the slide may have left the exercise (back button).
        if (!self || !isFormLoaded()) return;
    }
    picPokracuj->QWidget::setEnabled(true);
}

int frm_Game01::tileGapBoxWidth() {
    const QFontMetrics metrics(TVstup(1)->font());
    return exercise::tileGapBoxWidth(m_exercise,
                                     [&metrics](const QString &t) { return metrics.horizontalAdvance(t); });
}

void frm_Game01::sizeToText(ui::Label *label, const QString &text) {
    label->setAutoSize(true);
    label->setCaption(text);
    label->setAutoSize(false);
}

void frm_Game01::FillPage() {
    switch (m_exercise) {
    case 1: case 5: case 6: case 15: case 16: case 17: FillGapSentences(); break;
    case 2: case 4: case 11: FillSwitchRows(); break;
    case 3: FillTranslationRows(); break;
    case 7: case 8: case 10: case 12: FillListRows(); break;
    case 9: case 20: FillModelRows(); break;
    case 13: FillModelSentenceRows(); break;
    case 14: FillTwoLineRows(); break;
    case 18: FillEx18Screens(); break;
    case 19: FillClockRows(); break;
    case 21: FillTopicRows(); break;
    case 22: case 23: case 24: FillListeningRows(); break;
    default: break;
    }
    m_freshPage = true;
    exercise::updateKeyAreas(*this);
}
