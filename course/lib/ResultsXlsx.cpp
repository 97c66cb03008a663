#include "course/lib/ResultsXlsx.h"

#include "platform/safefile.h"
#include "results/PupilKey.h"

#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <algorithm>
#include <map>
#include <memory>

namespace course {

namespace {

// Column widths in characters: the longest text, within limits.
struct Widths {
    std::vector<double> chars;
    void see(std::size_t col, const QString &text) {
        if (chars.size() <= col) chars.resize(col + 1, 0);
        chars[col] = std::max(chars[col], double(text.size()));
    }
    void apply(lxw_worksheet *sheet) const {
        for (std::size_t c = 0; c < chars.size(); ++c)
            worksheet_set_column(sheet, lxw_col_t(c), lxw_col_t(c), std::clamp(chars[c] + 3, 8.0, 45.0), nullptr);
    }
};

lxw_datetime toLxw(const QDateTime &when) {
    const QDate d = when.date();
    const QTime t = when.time();
    return lxw_datetime{d.year(), d.month(), d.day(), t.hour(), t.minute(), double(t.second())};
}

class Book {
public:
    explicit Book(const QString &path) : m_book(workbook_new(QFile::encodeName(path).constData())) {
        if (!m_book) return;
        m_header = workbook_add_format(m_book);
        format_set_bold(m_header);
        format_set_bg_color(m_header, 0xDDE6F0);
        format_set_bottom(m_header, LXW_BORDER_THIN);
        m_date = workbook_add_format(m_book);
        format_set_num_format(m_date, "d.m.yyyy h:mm");
        format_set_align(m_date, LXW_ALIGN_LEFT);
    }
    ~Book() {
        if (m_book) workbook_close(m_book);  // only after a failure: close() took it otherwise
    }
    bool isValid() const { return m_book != nullptr; }
    lxw_worksheet *sheet(const QString &name) {
        return workbook_add_worksheet(m_book, name.toUtf8().constData());
    }
    void header(lxw_worksheet *s, Widths &w, const QStringList &titles, lxw_col_t frozenCols) {
        for (int c = 0; c < titles.size(); ++c) {
            worksheet_write_string(s, 0, lxw_col_t(c), titles[c].toUtf8().constData(), m_header);
            w.see(std::size_t(c), titles[c]);
        }
        worksheet_freeze_panes(s, 1, frozenCols);
        // Printed as well: across the page, as wide as one page, the header on every page.
        worksheet_set_landscape(s);
        worksheet_fit_to_pages(s, 1, 0);
        worksheet_repeat_rows(s, 0, 0);
    }
    lxw_format *dateFormat() const { return m_date; }
    lxw_error close() {
        const lxw_error e = workbook_close(m_book);
        m_book = nullptr;
        return e;
    }

private:
    lxw_workbook *m_book;
    lxw_format *m_header = nullptr;
    lxw_format *m_date = nullptr;
};

void writeText(lxw_worksheet *s, Widths &w, lxw_row_t row, lxw_col_t col, const QString &text) {
    worksheet_write_string(s, row, col, text.toUtf8().constData(), nullptr);
    w.see(col, text);
}

void writeNumber(lxw_worksheet *s, Widths &w, lxw_row_t row, lxw_col_t col, int value) {
    worksheet_write_number(s, row, col, value, nullptr);
    w.see(col, QString::number(value));
}

// Each pupil (one PupilKey) with the best grade per exercise: the tables are
// ranked, so the first record of a pupil is the best.
void writeSummary(Book &book, const std::vector<results::ExportRow> &rows, const std::vector<int> &exercises,
                  const std::map<int, QString> &titles) {
    lxw_worksheet *s = book.sheet(QString::fromUtf8(kSummarySheet));
    Widths w;
    QStringList head{QStringLiteral("Jméno")};
    for (int n : exercises) head << QStringLiteral("%1 %2").arg(n).arg(titles.at(n)).trimmed();
    book.header(s, w, head, 1);
    std::vector<QString> keys;  // in order of first appearance
    std::map<QString, QString> shown;
    std::map<std::pair<QString, int>, int> best;
    for (const auto &r : rows) {
        const QString key = results::pupilKeyOf(r.name);
        if (!shown.count(key)) {
            shown[key] = r.name.trimmed();
            keys.push_back(key);
        }
        const auto at = std::pair{key, r.exercise};
        if (!best.count(at) || r.grade < best[at]) best[at] = r.grade;
    }
    std::sort(keys.begin(), keys.end(), [&](const QString &a, const QString &b) {
        return QString::localeAwareCompare(shown[a], shown[b]) < 0;
    });
    lxw_row_t row = 1;
    for (const QString &key : keys) {
        writeText(s, w, row, 0, shown[key]);
        for (std::size_t c = 0; c < exercises.size(); ++c) {
            const auto it = best.find({key, exercises[c]});
            if (it != best.end()) worksheet_write_number(s, row, lxw_col_t(c + 1), it->second, nullptr);
        }
        ++row;
    }
    w.apply(s);
}

void writeExercise(Book &book, int n, const std::vector<results::ExportRow> &rows) {
    lxw_worksheet *s = book.sheet(QStringLiteral("Cvičení %1").arg(n));
    Widths w;
    book.header(s, w, results::exportHeaders(), 0);
    w.see(6, QStringLiteral("00.00.0000 00:00"));
    lxw_row_t row = 1;
    for (const auto &r : rows) {
        if (r.exercise != n) continue;
        writeNumber(s, w, row, 0, r.exercise);
        writeText(s, w, row, 1, r.title);
        writeText(s, w, row, 2, r.name);
        writeNumber(s, w, row, 3, r.right);
        writeNumber(s, w, row, 4, r.wrong);
        writeNumber(s, w, row, 5, r.grade);
        if (r.when.isValid()) {
            lxw_datetime when = toLxw(r.when);
            worksheet_write_datetime(s, row, 6, &when, book.dateFormat());
        }
        ++row;
    }
    w.apply(s);
}

}  // namespace

bool writeResultsXlsx(const QString &nativePath, const std::vector<results::ExportRow> &rows, QString *error) {
    // The library writes a file of its own; it replaces the target only
    // once it is complete.
    QTemporaryDir tmp;
    const QString draft = tmp.filePath(QStringLiteral("vysledky.xlsx"));
    std::vector<int> exercises;
    std::map<int, QString> titles;
    for (const auto &r : rows)
        if (titles.emplace(r.exercise, r.title).second) exercises.push_back(r.exercise);
    std::sort(exercises.begin(), exercises.end());
    lxw_error made = LXW_ERROR_CREATING_TMPFILE;
    {
        Book book(draft);
        if (tmp.isValid() && book.isValid()) {
            writeSummary(book, rows, exercises, titles);
            for (int n : exercises) writeExercise(book, n, rows);
            made = book.close();
        }
    }
    QFile f(draft);
    if (made != LXW_NO_ERROR || !f.open(QIODevice::ReadOnly)) {
        if (error) *error = QStringLiteral("sešit se nepodařilo sestavit (%1)").arg(QString::fromUtf8(lxw_strerror(made)));
        return false;
    }
    const platform::WriteResult w = platform::writeFileAtomic(nativePath, f.readAll());
    if (!w && error) *error = QStringLiteral("%1: %2").arg(nativePath, platform::czechReason(w.error));
    return w.ok;
}

}  // namespace course
