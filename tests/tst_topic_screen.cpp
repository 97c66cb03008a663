// The topic screen of exercise 21: the grid rules, captions from 21.dat,
// choosing topics one by one and all at once, the continue and print
// buttons, too few items for the run, back and hover — reached like a
// pupil does, through the selection and setup screens.
#include "screens_fixture.h"

#include "content/scramble.h"
#include "rules/Catalogue.h"
#include "exercise/frm_Game01.h"
#include "platform/codec.h"
#include "screens/frm_Setup.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

using namespace screentest;

namespace {

// Topic names of the bundled course in the order they first appear.
QStringList bundledTopicNames() {
    QFile f(QStringLiteral(TUTORIX_SOURCE_DIR "/course/src/21.txt"));
    if (!f.open(QIODevice::ReadOnly)) return {};
    QStringList names;
    for (const QString &line : QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'))) {
        const QStringList parts = line.trimmed().split(QLatin1Char('#'));
        if (parts.size() >= 4 && !names.contains(parts.at(3))) names.append(parts.at(3));
    }
    return names;
}

QImage rgb(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }

int chosenCount(frm_Intro &intro) {
    int n = 0;
    for (int i = 1; i <= 20; ++i) n += intro.TlacitkoTema(i)->Tag == QLatin1String("1");
    return n;
}

bool buttonsShown(frm_Intro &intro) { return intro.picPokracuj->Visible() && intro.picTiskni->Visible(); }
bool buttonsHidden(frm_Intro &intro) { return !intro.picPokracuj->Visible() && !intro.picTiskni->Visible(); }

}  // namespace

class TopicScreenTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void buttonPlaces_data();
    void buttonPlaces();
    void captions_data();
    void captions();
    void itemsOfChosenTopics_data();
    void itemsOfChosenTopics();

    void bundledCourseCaptions();
    void twelveTopicsHideTheRest();
    void oneTopicSlidesButtonsInAndOut();
    void allTopicsThenDeselecting();
    void backWaitsForTheSlide();
    void tooFewItemsThenEnough();
    void backAndHover();
    void helpPageOf21LeadsToTopics();

private:
    frm_Intro &openTopics(int countButton = 1);
    // True when the form shows picture as the background patch of button i.
    bool patchShows(frm_Intro &intro, int i, const QImage &picture);

    std::unique_ptr<Course> m_course;
    QByteArray m_bundled21;
    QImage m_topicNormal, m_topicLit;
};

void TopicScreenTest::initTestCase() {
    m_course = std::make_unique<Course>();
    QVERIFY(m_course->activate());
    QVERIFY(startProgram());
    QVERIFY(skipTitle());
    QFile f(m_course->dataDir() + QStringLiteral("/21.dat"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    m_bundled21 = f.readAll();
    m_topicNormal = rgb(Misc::loadPicture(QStringLiteral("Bitmap\\Setup\\tema_0.bmp")).toImage());
    m_topicLit = rgb(Misc::loadPicture(QStringLiteral("Bitmap\\Setup\\tema_1.bmp")).toImage());
    QVERIFY(!m_topicNormal.isNull() && m_topicNormal != m_topicLit);
}

void TopicScreenTest::init() {
    testsupport::recordMessageBoxes(platform::MsgResult::Ok);
    testsupport::messageBoxes().clear();
}

void TopicScreenTest::cleanup() {
    QVERIFY(backToSelection());
    QFile f(m_course->dataDir() + QStringLiteral("/21.dat"));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(m_bundled21) == m_bundled21.size());
}

frm_Intro &TopicScreenTest::openTopics(int countButton) {
    click(frm_Select::get().LI(6));
    click(frm_Select::get().RI(3));
    frm_Setup &setup = frm_Setup::get();
    type(setup.TJmeno, QStringLiteral("Šimon"));
    click(setup.ICislo(countButton));
    click(setup.picPokracuj);
    platform::Sounds::log().clear();
    return frm_Intro::get();
}

bool TopicScreenTest::patchShows(frm_Intro &intro, int i, const QImage &picture) {
    ui::Label *b = intro.TlacitkoTema(i);
    const QRect r(b->Left() - 12, b->Top() - 5, picture.width(), picture.height());
    return rgb(intro.image().copy(r)) == picture;
}

// ---- Rules ---------------------------------------------------------------

void TopicScreenTest::buttonPlaces_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("offset");
    QTest::newRow("3: column 3, row 1") << 3 << QPoint(410, 0);
    QTest::newRow("17: column 2, row 6") << 17 << QPoint(205, 210);
    QTest::newRow("19: column 1, row 7") << 19 << QPoint(0, 252);
    QTest::newRow("20 moves to column 3") << 20 << QPoint(410, 252);
    QTest::newRow("22: all topics below column 2") << 22 << QPoint(205, 294);
    QTest::newRow("21 does not exist") << 21 << QPoint();
}

void TopicScreenTest::buttonPlaces() {
    QFETCH(int, button);
    QFETCH(QPoint, offset);
    QCOMPARE(screens::topicButtonOffset(button), offset);
}

void TopicScreenTest::captions_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no lines") << QStringList() << QStringList();
    QTest::newRow("items of a topic stand together")
        << QStringList{"Zvířata", "Zvířata", "Rodina", "Rodina", "Škola"}
        << QStringList{"Zvířata", "Rodina", "Škola"};
    QTest::newRow("a topic met again is a new button")
        << QStringList{"Jídlo", "Čísla", "Jídlo"} << QStringList{"Jídlo", "Čísla", "Jídlo"};
    QStringList many, twenty;
    for (int t = 1; t <= 23; ++t) {
        many << QStringLiteral("Téma %1").arg(t) << QStringLiteral("Téma %1").arg(t);
        if (t <= 20) twenty << QStringLiteral("Téma %1").arg(t);
    }
    QTest::newRow("more than twenty topics stop at the grid") << many << twenty;
}

void TopicScreenTest::captions() {
    QFETCH(QStringList, names);
    QFETCH(QStringList, expected);
    QCOMPARE(screens::topicCaptions(names), expected);
}

void TopicScreenTest::itemsOfChosenTopics_data() {
    QTest::addColumn<QList<int>>("chosen");
    QTest::addColumn<int>("needed");
    QTest::addColumn<int>("items");
    QTest::addColumn<QString>("message");  // a part of the warning; empty: none
    QTest::newRow("one small topic") << QList<int>{1} << 11 << 3 << "jen 3 slovíčka, ale pro 10 otázek";
    QTest::newRow("one short") << QList<int>{3} << 11 << 10 << "jen 10 slovíček";
    QTest::newRow("topic numbers of no item") << QList<int>{4, 5} << 11 << 0 << "alespoň 11";
    QTest::newRow("enough") << QList<int>{1, 3} << 11 << 13 << "";
    QTest::newRow("just enough") << QList<int>{1, 2, 3} << 15 << 15 << "";
}

void TopicScreenTest::itemsOfChosenTopics() {
    QFETCH(QList<int>, chosen);
    QFETCH(int, needed);
    QFETCH(int, items);
    QFETCH(QString, message);
    const QList<int> topicOfItem{1, 1, 1, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 3};
    const int n = screens::chosenItemCount(topicOfItem, [&](int t) { return chosen.contains(t); });
    QCOMPARE(n, items);
    const QString warning = screens::tooFewTopicItemsMessage(n, needed, 10);
    if (message.isEmpty()) QVERIFY2(warning.isEmpty(), qPrintable(warning));
    else QVERIFY2(warning.contains(message), qPrintable(warning));
}

// ---- The screen ------------------------------------------------------------

void TopicScreenTest::bundledCourseCaptions() {
    const QStringList names = bundledTopicNames();
    QVERIFY(names.size() >= 2 && names.size() <= 20);
    frm_Intro &intro = openTopics();
    QCOMPARE(Misc::ExerciseNumber, QStringLiteral("21"));
    QVERIFY(intro.isVisible());
    QCOMPARE(Misc::CurrentScreen, &intro);
    QCOMPARE(intro.topicCount(), names.size());
    for (int i = 1; i <= 20; ++i) {
        ui::Label *b = intro.TlacitkoTema(i);
        QCOMPARE(b->Tag, QStringLiteral("0"));
        QCOMPARE(b->Visible(), i <= names.size());
        if (i > names.size()) continue;
        QCOMPARE(b->Caption(), names.at(i - 1));
        QCOMPARE(b->ForeColor(), QColor(255, 255, 255));
        QVERIFY(patchShows(intro, i, m_topicNormal));
    }
    QVERIFY(!intro.TlacitkoTema(21));
    QCOMPARE(QPoint(intro.TlacitkoTema(20)->Left(), intro.TlacitkoTema(20)->Top()), QPoint(32 + 410, 105 + 252));
    ui::Label *all = intro.TlacitkoTema(22);
    QCOMPARE(all->Caption(), QStringLiteral("Všechna témata"));
    QVERIFY(all->Visible() && patchShows(intro, 22, m_topicNormal));
    QVERIFY(intro.IKonec->Visible());
    QVERIFY(buttonsHidden(intro));
}

void TopicScreenTest::twelveTopicsHideTheRest() {
    QStringList lines;
    for (int t = 1; t <= 12; ++t)
        for (int k = 1; k <= 11; ++k) lines << QStringLiteral("slovo %1-%2#word%1x%2#%1#Téma č. %1").arg(t).arg(k);
    content::writeScrambledFile(m_course->dataDir() + QStringLiteral("/21.dat"),
                                platform::encode1250(platform::joinLinesCrLf(lines)));
    frm_Intro &intro = openTopics();
    QCOMPARE(intro.topicCount(), 12);
    for (int i = 1; i <= 12; ++i) {
        QCOMPARE(intro.TlacitkoTema(i)->Caption(), QStringLiteral("Téma č. %1").arg(i));
        QVERIFY(intro.TlacitkoTema(i)->Visible());
    }
    for (int i = 13; i <= 20; ++i) {
        QVERIFY(!intro.TlacitkoTema(i)->Visible());
        QVERIFY(!patchShows(intro, i, m_topicNormal));  // no patch where no button stands
    }
    click(intro.TlacitkoTema(22));  // all topics: the twelve of the course
    QCOMPARE(chosenCount(intro), 12);
}

void TopicScreenTest::oneTopicSlidesButtonsInAndOut() {
    frm_Intro &intro = openTopics();
    click(intro.TlacitkoTema(2));
    QCOMPARE(intro.TlacitkoTema(2)->Tag, QStringLiteral("1"));
    QVERIFY(patchShows(intro, 2, m_topicLit));
    QVERIFY(buttonsShown(intro));
    QVERIFY(platform::Sounds::log().isEmpty());  // topic buttons make no sound

    // Print (dialog cancelled at once) takes the name and leaves the screen as it is.
    Misc::PupilName.clear();
    bool dialogShown = false;
    QTimer closer;
    connect(&closer, &QTimer::timeout, [&] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            dialogShown = true;
            QMetaObject::invokeMethod(dialog, "reject");
        }
    });
    closer.start(20);
    click(intro.picTiskni);
    closer.stop();
    QVERIFY(dialogShown);
    QCOMPARE(Misc::PupilName, QStringLiteral("Šimon"));
    QVERIFY(intro.isVisible() && !frm_Game01::existing() && !Misc::PrintMode);
    QVERIFY(buttonsShown(intro));

    click(intro.TlacitkoTema(2));
    QCOMPARE(intro.TlacitkoTema(2)->Tag, QStringLiteral("0"));
    QVERIFY(patchShows(intro, 2, m_topicNormal));
    QVERIFY(buttonsHidden(intro));
}

void TopicScreenTest::allTopicsThenDeselecting() {
    frm_Intro &intro = openTopics();
    const int n = intro.topicCount();
    click(intro.TlacitkoTema(22));
    QCOMPARE(chosenCount(intro), n);
    QCOMPARE(intro.TlacitkoTema(22)->Tag, QStringLiteral("1"));
    for (int i : {1, n, 22}) QVERIFY(patchShows(intro, i, m_topicLit));
    QVERIFY(buttonsShown(intro));

    click(intro.TlacitkoTema(3));
    QCOMPARE(chosenCount(intro), n - 1);
    QCOMPARE(intro.TlacitkoTema(22)->Tag, QStringLiteral("0"));
    QVERIFY(patchShows(intro, 22, m_topicNormal));

    // The buttons stay until the last topic goes.
    for (int i = n; i >= 1; --i) {
        if (i == 3) continue;
        click(intro.TlacitkoTema(i));
        QCOMPARE(buttonsShown(intro), i != 1);
        QCOMPARE(buttonsHidden(intro), i == 1);
    }
    QCOMPARE(chosenCount(intro), 0);
}

void TopicScreenTest::backWaitsForTheSlide() {
    frm_Intro &intro = openTopics();
    bool disabledDuringSlide = false;
    QTimer::singleShot(60, &intro, [&] { disabledDuringSlide = !intro.IKonec->isEnabled(); });
    click(intro.TlacitkoTema(1));
    QVERIFY(disabledDuringSlide);
    QVERIFY(intro.IKonec->isEnabled());

    // A topic clicked during a slide must not give the back button back
    // before the slide it interrupted has finished.
    bool stillDisabled = false;
    QTimer::singleShot(40, &intro, [&] {
        click(intro.TlacitkoTema(4));  // returns before the interrupted slide goes on
        stillDisabled = !intro.IKonec->isEnabled();
    });
    click(intro.TlacitkoTema(1));  // off: the buttons go
    click(intro.TlacitkoTema(2));  // on: they slide in, and 4 is clicked meanwhile
    QVERIFY(stillDisabled);
    QVERIFY(intro.IKonec->isEnabled());
}

void TopicScreenTest::tooFewItemsThenEnough() {
    frm_Intro &intro = openTopics(5);  // 30 questions
    QCOMPARE(int(Misc::QuestionCount), 30);
    click(intro.TlacitkoTema(1));  // 16 items
    click(intro.picPokracuj);
    QCOMPARE(testsupport::messageBoxes().size(), 1);
    const platform::MsgBoxCall box = testsupport::messageBoxes().first();
    QCOMPARE(box.caption, QStringLiteral("Tutorix Lingvana 1"));
    // The screen asks for as many items as the exercise form will draw.
    const QString needed = QString::number(exercise::recordsNeeded(21, 30, exercise::itemsOnFirstPage(21, 30)));
    QVERIFY2(box.text.contains(QStringLiteral("jen 16 ")) && box.text.contains(QStringLiteral("alespoň ") + needed),
             qPrintable(box.text));
    QVERIFY(!frm_Game01::existing() && intro.isVisible());
    QCOMPARE(Misc::CurrentScreen, &intro);

    click(intro.TlacitkoTema(2));  // 16 more: 32 items for 30 questions
    click(intro.picPokracuj);
    QCOMPARE(testsupport::messageBoxes().size(), 1);
    QTRY_VERIFY(!frm_Intro::existing());
    QVERIFY(frm_Game01::loaded());
    QCOMPARE(Misc::CurrentScreen, frm_Game01::existing());
    // The exercise took exactly the items of the two chosen topics.
    QCOMPARE(Misc::TopicRecordCount, 32);
    for (int j = 1; j <= 32; ++j) {
        const QString t = Misc::TopicRecords[std::size_t(j)].field[8];
        QVERIFY(t == QLatin1String("1") || t == QLatin1String("2"));
    }
}

void TopicScreenTest::backAndHover() {
    frm_Intro &intro = openTopics();
    const QImage normal = rgb(intro.IKonec->picture().toImage());
    moveOver(intro.IKonec);
    moveOver(intro.IKonec);
    QCOMPARE(int(Misc::HoverCode), 6);
    QCOMPARE(hoverSounds(), 1);
    QVERIFY(rgb(intro.IKonec->picture().toImage()) != normal);
    moveOver(&intro, QPoint(300, 450));
    QCOMPARE(int(Misc::HoverCode), 0);
    QCOMPARE(rgb(intro.IKonec->picture().toImage()), normal);

    click(intro.TlacitkoTema(1));
    click(intro.IKonec);
    QCOMPARE(clickSounds(), 1);
    QTRY_VERIFY(!frm_Intro::existing());
    frm_Setup &setup = frm_Setup::get();
    QVERIFY(setup.isVisible());
    QCOMPARE(Misc::CurrentScreen, &setup);
    QCOMPARE(setup.TJmeno->Text(), QStringLiteral("Šimon"));
}

void TopicScreenTest::helpPageOf21LeadsToTopics() {
    click(frm_Select::get().LI(6));
    click(frm_Select::get().RI(3));
    frm_Setup &setup = frm_Setup::get();
    type(setup.TJmeno, QStringLiteral("Eliška"));
    click(setup.ICislo(2));
    click(setup.INapoveda);
    click(setup.picPokracuj);
    frm_Intro *intro = frm_Intro::existing();
    QVERIFY(intro && intro->STAV_FORMU == frm_Intro::kExerciseHelp);
    QVERIFY(!intro->IKonec->Visible() && !intro->TlacitkoTema(1)->Visible());

    click(intro, QPoint(320, 240));
    QCOMPARE(frm_Intro::existing(), intro);  // the same window
    QCOMPARE(intro->STAV_FORMU, frm_Intro::kTopicScreen);
    QCOMPARE(Misc::CurrentScreen, intro);
    QCOMPARE(intro->TlacitkoTema(1)->Caption(), bundledTopicNames().value(0));
    click(intro, QPoint(320, 20));  // the background does nothing here
    QVERIFY(intro->isVisible() && !frm_Game01::existing());
    click(intro->IKonec);
    QTRY_VERIFY(!frm_Intro::existing());
    QVERIFY(setup.isVisible());
}

QTEST_MAIN(TopicScreenTest)
#include "tst_topic_screen.moc"
