// Rules about the wording of the course that a program can judge: the pupil
// is addressed with "ty" everywhere, exercise 13 wants full verb forms (its
// negatives use the short "n't" form only), and a listening answer is a
// word with one spelling.
#pragma once

#include <QString>

namespace course::rules {

// The first word of text that addresses the reader formally ("vy" forms:
// "chcete", "můžete", "jste", "zkontrolujte", "Vám", "vaše" ...); empty when
// there is none. Czech second-person plural verbs end in "-te" after a
// consonant or after "e", "ě", "í", "á" ("jste", "máte", "klikněte",
// "vyberte", "zadejte"); the English words of the texts ("write", "late",
// "note") do not, since their "-te" follows a plain vowel.
QString formalAddressWord(const QString &text);

// The first contraction in an English sentence other than the negative
// "n't" ("They're", "I'm", "we've", "he'll", "you'd", and "'s" after a
// pronoun: "He's", "it's", "there's"); empty when there is none. A
// possessive "'s" after a noun ("Tom's bike") is no contraction.
QString contractionIn(const QString &sentence);

// The first word of text that English spells two ways ("grey" and "gray",
// "colour" and "color", "favourite", "centre", "mum" and "mom" ..., with
// their endings: "colours", "coloured"), and its other spelling; empty when
// there is none. A pupil who hears such a word cannot know which spelling
// an exact comparison expects.
struct TwoSpellings {
    QString word;
    QString other;
};
TwoSpellings wordWithTwoSpellings(const QString &text);

}  // namespace course::rules
