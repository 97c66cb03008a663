// The seven families of exercises (see ExerciseFamily.h).
#pragma once

#include "exercise/families/ExerciseFamily.h"

namespace exercise {

// Typed gaps and their variants: 1, 3, 5, 6, 9, 13 ... 17, 20.
class GapSentencesFamily : public ExerciseFamily {
public:
    void layOut(frm_Game01 &form, const ExerciseSpec &spec, int rows) const override;
    void fillPage(frm_Game01 &form, const ExerciseSpec &spec) const override;
};

// Gaps filled from a drop-down list: 7, 8, 10, 12.
class ListsFamily : public ExerciseFamily {
public:
    void layOut(frm_Game01 &form, const ExerciseSpec &spec, int rows) const override;
    void fillPage(frm_Game01 &form, const ExerciseSpec &spec) const override;
};

// Gaps set with a switch: 2, 4, 11.
class SwitchesFamily : public ExerciseFamily {
public:
    void layOut(frm_Game01 &form, const ExerciseSpec &spec, int rows) const override;
    void fillPage(frm_Game01 &form, const ExerciseSpec &spec) const override;
};

// Words of the chosen topics dropped on their prompts: 21.
class TilesFamily : public ExerciseFamily {
public:
    void layOut(frm_Game01 &form, const ExerciseSpec &spec, int rows) const override;
    void fillPage(frm_Game01 &form, const ExerciseSpec &spec) const override;
};

// Phrases dropped on clocks: 19.
class ClocksFamily : public ExerciseFamily {
public:
    void layOut(frm_Game01 &form, const ExerciseSpec &spec, int rows) const override;
    void fillPage(frm_Game01 &form, const ExerciseSpec &spec) const override;
};

// The word lists with their overview: 18.
class WordListsFamily : public ExerciseFamily {
public:
    void layOut(frm_Game01 &form, const ExerciseSpec &spec, int rows) const override;
    void fillPage(frm_Game01 &form, const ExerciseSpec &spec) const override;
};

// Spoken sentences: 22, 23, 24.
class ListeningFamily : public ExerciseFamily {
public:
    void layOut(frm_Game01 &form, const ExerciseSpec &spec, int rows) const override;
    void fillPage(frm_Game01 &form, const ExerciseSpec &spec) const override;
};

}  // namespace exercise
