#include "exercise/AnswerRules.h"

namespace answers {

QString NormalizeAnswer(const QString &text) {
    const QChar space = QLatin1Char(' ');
    qsizetype from = 0;
    qsizetype to = text.size();
    while (from < to && text.at(from) == space) ++from;
    while (to > from && text.at(to - 1) == space) --to;
    QString out;
    out.reserve(to - from);
    for (qsizetype i = from; i < to; ++i) {
        const QChar c = text.at(i);
        if (c == space && !out.isEmpty() && out.back() == space) continue;
        out += c;
    }
    return out;
}

void normalizeAnswerInPlace(QString &text) { text = NormalizeAnswer(text); }

CheckRule checkRuleFor(int exercise) { return exercise::spec(exercise).check; }

BoxVerdict checkBoxAnswer(const QString &typed, const QString &expected) {
    BoxVerdict v;
    v.shown = NormalizeAnswer(typed);
    v.correct = !v.shown.isEmpty() && v.shown == expected;
    return v;
}

BoxVerdict checkSwitchAnswer(const QString &chosen, const QString &expected) {
    BoxVerdict v;
    v.shown = NormalizeAnswer(chosen);
    v.correct = v.shown == expected;
    return v;
}

bool checkLabelAnswer(const QString &caption, const QString &expected) { return caption == expected; }

bool checkTileAnswer(const QString &dropped, const QString &expected) {
    return !dropped.isEmpty() && dropped == expected;
}

bool checkListAnswer(const QString &chosen, const QString &correct) { return !chosen.isEmpty() && chosen == correct; }

QString sentenceOf(const Misc::ContentRecord &r) {
    // An empty answer (exercise 2's "no article") leaves one space between
    // the words around the gap, not two.
    const QChar space = QLatin1Char(' ');
    if (r.field[1].isEmpty() && r.field[0].endsWith(space) && r.field[2].startsWith(space))
        return r.field[0] + r.field[2].mid(1);
    return r.field[0] + r.field[1] + r.field[2];
}

namespace {

// Field 2 alone, spaces trimmed and its first letter capitalised: the hint
// of a record whose text before the gap and answer are both empty.
QString capitalisedField2(const Misc::ContentRecord &r) {
    const QChar space = QLatin1Char(' ');
    QString t = r.field[2];
    while (t.startsWith(space)) t.remove(0, 1);
    while (t.endsWith(space)) t.chop(1);
    if (!t.isEmpty()) t[0] = t.at(0).toUpper();
    return t;
}

}  // namespace

HintText answerHint(int exercise, const Misc::ContentRecord &r, const QString &caption, const QString &tag) {
    HintText h;
    h.shown = true;
    using exercise::HintForm;
    switch (exercise::spec(exercise).hint) {
    case HintForm::Sentence:
        h.line1 = (!r.field[0].isEmpty() || !r.field[1].isEmpty()) ? sentenceOf(r) : capitalisedField2(r);
        break;
    case HintForm::SentenceBeforeBracket: {
        const QString s = sentenceOf(r);
        const qsizetype bracket = s.indexOf(QLatin1Char('('));
        h.line1 = bracket < 0 ? s : s.left(bracket);
        break;
    }
    case HintForm::Translation:
        h.line1 = r.field[4];
        h.alignment = Qt::AlignHCenter;
        break;
    case HintForm::Field1:
        h.line1 = r.field[1];
        break;
    case HintForm::TwoLines:
        h.line1 = r.field[0];
        h.line2 = r.field[6] + r.field[1] + r.field[7];
        break;
    case HintForm::Caption:
        h.line1 = caption;
        h.alignment = Qt::AlignHCenter;
        break;
    case HintForm::CaptionAndTag:
        h.line1 = caption + QStringLiteral(" - ") + tag;
        h.alignment = Qt::AlignHCenter;
        break;
    case HintForm::SentenceCentred:
        h.line1 = sentenceOf(r);
        h.alignment = Qt::AlignHCenter;
        break;
    case HintForm::SentenceLeft:
        h.line1 = sentenceOf(r);
        break;
    case HintForm::None:  // 18 shows the list's details instead of a hint
        h.shown = false;
        break;
    }
    return h;
}

QPoint hintWindowPosition(const QPoint &cursor, const QSize &window) {
    return {cursor.x() + 5 - window.width(), cursor.y()};
}

}  // namespace answers
