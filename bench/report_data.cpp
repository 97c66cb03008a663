// Makes a results folder for the report benchmark and for trying the report:
// a results log and an answers log as the program writes them (the same
// line formatters), with items, answers and titles of a built course.
//
//   bench_report_data COURSE_DATA OUT PUPILS RUNS ANSWERS_PER_RUN DAYS [EXERCISES] [SEED]
//
// EXERCISES is a comma list (default all 24). Runs fall on school days
// between 8:00 and 15:00 of the DAYS days up to 4.12.2026, in time order;
// each pupil has a skill, each item a difficulty, and a wrong answer is one
// of the item's other choices or a slip of the right one. A few runs carry
// a pupil's name in lower case without diacritics, as pupils type it.
#include "content/Records.h"
#include "content/scramble.h"
#include "exercise/CheckedRow.h"
#include "platform/codec.h"
#include "state/AnswersLog.h"
#include "results/PupilKey.h"
#include "state/ResultsRules.h"
#include "rules/ExerciseGroups.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

struct Item {
    QString key, expected;
    QStringList wrong;
    double difficulty = 0;
};

const char *const kFirst[] = {"Adam", "Barbora", "Cyril", "Dana", "Eliška", "František", "Gabriela", "Hynek",
                              "Ivana", "Jakub", "Jana", "Karel", "Lucie", "Martin", "Natálie", "Ondřej",
                              "Petra", "Radek", "Šárka", "Tomáš", "Ulrika", "Václav", "Zuzana", "Žofie",
                              "Matěj", "Klára", "Vojtěch", "Tereza", "Štěpán", "Anežka"};
// Surnames as a man's and a woman's form.
const char *const kLast[][2] = {{"Malý", "Malá"}, {"Novák", "Nováková"}, {"Dvořák", "Dvořáková"}, {"Černý", "Černá"},
                                {"Procházka", "Procházková"}, {"Kučera", "Kučerová"}, {"Veselý", "Veselá"},
                                {"Horák", "Horáková"}, {"Němec", "Němcová"}, {"Pokorný", "Pokorná"}, {"Marek", "Marková"},
                                {"Růžička", "Růžičková"}, {"Beneš", "Benešová"}, {"Fiala", "Fialová"},
                                {"Šťastný", "Šťastná"}, {"Král", "Králová"}, {"Zelenka", "Zelenková"},
                                {"Jelínek", "Jelínková"}, {"Urban", "Urbanová"}, {"Kříž", "Křížová"},
                                {"Sýkora", "Sýkorová"}, {"Holub", "Holubová"}, {"Vlček", "Vlčková"}, {"Bartoš", "Bartošová"}};

QString plainLower(const QString &name) { return results::pupilKeyOf(name); }

}  // namespace

int main(int argc, char *argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() < 7) {
        std::fprintf(stderr, "usage: bench_report_data COURSE_DATA OUT PUPILS RUNS ANSWERS_PER_RUN DAYS [EXERCISES] [SEED]\n");
        return 2;
    }
    const QString data = a[1], out = a[2];
    const int pupils = a[3].toInt(), runs = a[4].toInt(), perRun = a[5].toInt(), days = a[6].toInt();
    std::vector<int> exercises;
    for (const QString &n : a.value(7, QStringLiteral("all")).split(QLatin1Char(',')))
        if (n.toInt() >= 1 && n.toInt() <= 24) exercises.push_back(n.toInt());
    if (exercises.empty())
        for (int n = 1; n <= 24; ++n) exercises.push_back(n);
    QRandomGenerator rng(a.value(8, QStringLiteral("20")).toUInt());

    QDir().mkpath(out);
    const QStringList texts = content::readScrambledLines(data + QStringLiteral("/Texty.dat"));
    QFile::remove(out + QStringLiteral("/Texty.dat"));
    QFile::copy(data + QStringLiteral("/Texty.dat"), out + QStringLiteral("/Texty.dat"));
    const auto label = [&](int k) { return texts.value(k - 1); };
    std::array<Misc::GradeBand, 6> bands{};
    const QStringList grades = platform::readTextLines(data + QStringLiteral("/Znamky.dat"));
    for (int i = 0; i < 5 && i < grades.size(); ++i) {
        const QStringList f = grades[i].split(QLatin1Char('|'));
        bands[std::size_t(i + 1)] = {std::uint8_t(f.value(0).toInt()), std::uint8_t(f.value(1).toInt()),
                                     std::uint8_t(f.value(2).toInt())};
    }

    // The items of each exercise, from its content file.
    std::array<std::vector<Item>, 25> items;
    for (int n : exercises) {
        for (const QString &line : content::readScrambledLines(data + QStringLiteral("/%1.dat").arg(n))) {
            if (line.trimmed().isEmpty()) continue;
            const QStringList parts = line.split(QLatin1Char('#'));
            Item it;
            it.key = exercise::itemKeyOf(n, content::parseContentLine(line, content::layoutOfExercise(n), n));
            it.expected = parts.value(1).trimmed();
            for (int k = 2; k < parts.size(); ++k)
                if (!parts[k].trimmed().isEmpty() && parts[k].trimmed() != it.expected) it.wrong << parts[k].trimmed();
            if (it.expected.size() > 3) it.wrong << it.expected.left(it.expected.size() - 1);
            it.difficulty = std::pow(rng.generateDouble(), 2.5) * 0.5;
            if (!it.key.isEmpty() && !it.expected.isEmpty()) items[std::size_t(n)].push_back(it);
        }
        // Pupils mix up the answers of one exercise ("a" for "an"), and leave a few empty.
        auto &pool = items[std::size_t(n)];
        for (Item &it : pool) {
            for (int k = 0; k < 3 && !pool.empty(); ++k) {
                const QString other = pool[std::size_t(rng.bounded(int(pool.size())))].expected;
                if (other != it.expected) it.wrong << other << other;
            }
            if (it.wrong.isEmpty() || rng.bounded(3) == 0) it.wrong << QString();
        }
    }
    std::erase_if(exercises, [&](int n) { return items[std::size_t(n)].empty(); });

    std::vector<QString> names;
    std::vector<double> skill;
    for (int i = 0; i < pupils; ++i) {
        const QString first = QString::fromUtf8(kFirst[i % 30]);
        const bool woman = first.endsWith(QLatin1Char('a')) || first.endsWith(QLatin1Char('e'));
        QString name = first + QLatin1Char(' ') + QString::fromUtf8(kLast[(i * 7 + i / 30) % 24][woman ? 1 : 0]);
        if (i >= 30 * 24) name += QStringLiteral(" %1").arg(i / (30 * 24) + 1);
        names.push_back(name);
        skill.push_back(0.7 + 0.29 * rng.generateDouble());
    }

    QFile log(out + QStringLiteral("/Vysledky.dat")), answers(out + QStringLiteral("/Odpovedi.dat"));
    if (!log.open(QIODevice::WriteOnly | QIODevice::Truncate) || !answers.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "cannot write into %s\n", qPrintable(out));
        return 1;
    }
    const QDate lastDay(2026, 12, 4);
    std::vector<QDate> schoolDays;
    for (int d = days - 1; d >= 0; --d)
        if (lastDay.addDays(-d).dayOfWeek() <= 5) schoolDays.push_back(lastDay.addDays(-d));
    // Busier and quieter weeks: each run on a school day drawn at random, in time order.
    std::vector<int> dayOfRun(static_cast<std::size_t>(runs));
    for (int &d : dayOfRun) {
        const int week = rng.bounded(int(schoolDays.size() + 4) / 5);
        const int day = std::min(int(schoolDays.size()) - 1, week * 5 + rng.bounded(5));
        d = rng.bounded(3) == 0 ? rng.bounded(int(schoolDays.size())) : day;
        if ((week * 7919) % 5 == 0) d = rng.bounded(int(schoolDays.size()));  // some weeks take more
    }
    std::sort(dayOfRun.begin(), dayOfRun.end());
    QByteArray logBuffer, answerBuffer;
    qint64 answerCount = 0;
    for (int r = 0; r < runs; ++r) {
        // Runs in time order, spread evenly over the school days.
        const QDate day = schoolDays[std::size_t(dayOfRun[std::size_t(r)])];
        const QTime time(8 + rng.bounded(7), rng.bounded(60), rng.bounded(60));
        const QDateTime when(day, time);
        const int p = rng.bounded(pupils);
        // The class moves through the exercises over the period, with some repetition.
        const double along = double(r) / runs;
        const int centre = int(along * double(exercises.size()));
        int pick = std::clamp(centre + rng.bounded(5) - 3, 0, int(exercises.size()) - 1);
        const int n = exercises[std::size_t(pick)];
        const auto &pool = items[std::size_t(n)];
        int right = 0, wrong = 0;
        const double practice = std::min(0.15, 0.03 * double(r % 97) / 97.0);
        for (int k = 0; k < perRun; ++k) {
            const Item &it = pool[std::size_t(rng.bounded(int(pool.size())))];
            const bool ok = rng.generateDouble() < std::clamp(skill[std::size_t(p)] - it.difficulty + practice, 0.05, 0.99);
            results::AnswerEntry e{when.addSecs(k * 20), names[std::size_t(p)], n, it.key,
                                   ok ? it.expected : it.wrong[std::size_t(rng.bounded(int(it.wrong.size())))], it.expected, ok};
            ok ? ++right : ++wrong;
            answerBuffer += platform::encode1250(results::formatAnswerLine(e)) + "\r\n";
            ++answerCount;
        }
        QString name = names[std::size_t(p)];
        if (rng.bounded(20) == 0) name = plainLower(name);
        const results::LogEntry entry{name, label(screens::exerciseGroups()[std::size_t(screens::groupOfExercise(n))].titleText),
                                      label(screens::nameTextOfExercise(n)), perRun, QString::number(right),
                                      QString::number(wrong), results::gradeFor(right, right + wrong, bands),
                                      when.addSecs(perRun * 20)};
        logBuffer += platform::encode1250(platform::joinLinesCrLf(results::logEntryLinesOf(entry, label)));
        if (answerBuffer.size() > (4 << 20)) answers.write(answerBuffer), answerBuffer.clear();
        if (logBuffer.size() > (4 << 20)) log.write(logBuffer), logBuffer.clear();
    }
    log.write(logBuffer);
    answers.write(answerBuffer);
    std::printf("%s: %d pupils, %d runs, %lld answers, %d school days\n", qPrintable(out), pupils, runs,
                answerCount, int(schoolDays.size()));
    return log.error() == QFile::NoError && answers.error() == QFile::NoError ? 0 : 1;
}
