#include "exercise/Toolbar.h"

#include "state/Services.h"
#include "exercise/frm_Game01.h"

namespace Misc {

std::array<QPixmap, 8> &ToolbarPictures() {
    static std::array<QPixmap, 8> pictures;
    return pictures;
}

void SetUpNavigationButtons(frm_Game01 &form) {
    ui::PictureBox *first = form.PicTop(1);
    for (int i = 2; i <= 4; ++i) {
        ui::PictureBox *b = form.PicTop.Load(i);
        b->setGeometry(first->Left() + (i - 1) * first->Width(), first->Top(), first->Width(), first->Height());
        b->show();
    }
    static const char *const names[4] = {"mkont", "mnove", "mtab", "mzpet"};
    for (int k = 0; k < 4; ++k) {
        ToolbarPictures()[std::size_t(2 * k)] = loadPicture(QStringLiteral("Bitmap\\Games\\%1.bmp").arg(QLatin1String(names[k])));
        ToolbarPictures()[std::size_t(2 * k + 1)] =
            loadPicture(QStringLiteral("Bitmap\\Games\\%1h.bmp").arg(QLatin1String(names[k])));
    }
    HighlightToolbarButton(form, 0);
}

void HighlightToolbarButton(frm_Game01 &form, int k) {
    for (int i = 1; i <= 4; ++i)
        if (ui::PictureBox *b = form.PicTop(i)) b->setPicture(ToolbarPictures()[std::size_t(2 * (i - 1) + (i == k ? 1 : 0))]);
}

}  // namespace Misc
