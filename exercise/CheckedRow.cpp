#include "exercise/CheckedRow.h"

#include "content/Records.h"

namespace exercise {

QString itemKeyOf(int exercise, const Misc::ContentRecord &r) {
    using content::Layout;
    const auto f = [&](int k) { return r.field[std::size_t(k)]; };
    const QString gap = QStringLiteral("_");
    QString key;
    switch (content::layoutOfExercise(exercise)) {
    case Layout::GapSentence:
    case Layout::Listening:
    case Layout::Switch:
    case Layout::ChoiceList: key = f(0) + gap + f(2); break;
    case Layout::Model: key = f(0) + gap + f(2) + QStringLiteral(" (") + f(6).trimmed() + QLatin1Char(')'); break;
    case Layout::ModelWholeSentence: key = f(0) + QStringLiteral(" (") + f(6).trimmed() + QLatin1Char(')'); break;
    case Layout::TwoLines: key = f(0) + QStringLiteral(" / ") + f(6) + gap + f(7); break;
    case Layout::Clock: key = f(8); break;
    case Layout::WordLists: key = f(0); break;
    case Layout::Translation: key = f(3); break;
    case Layout::TopicItems:
    case Layout::TopicList: key = f(6); break;
    }
    return key.simplified();
}

}  // namespace exercise
