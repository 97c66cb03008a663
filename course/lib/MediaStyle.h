// The one visual language of the course pictures: palette, lettering,
// rounded panels, buttons and the shared screen furniture (banner, help
// badge, footer), and the writer that stores the pictures and sounds.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QRect>
#include <QString>
#include <QStringList>

namespace course::media {

// Palette: a warm paper page, deep teal for headings, a sunny accent for
// what is lit or chosen, green and red only for right and wrong.
namespace colour {
inline const QColor page{0xF5, 0xF0, 0xE4};
inline const QColor pageDeep{0xEA, 0xE2, 0xCF};
inline const QColor panel{0xFF, 0xFF, 0xFF};
inline const QColor panelLine{0xD4, 0xCB, 0xB6};
inline const QColor teal{0x2E, 0x6E, 0x86};
inline const QColor tealDark{0x1F, 0x4E, 0x60};
inline const QColor tealLight{0xD6, 0xEA, 0xEE};
inline const QColor accent{0xF4, 0xB9, 0x41};
inline const QColor accentLight{0xFC, 0xE7, 0xB3};
inline const QColor accentDark{0xB9, 0x7A, 0x10};
inline const QColor ink{0x27, 0x33, 0x3A};
inline const QColor inkSoft{0x5E, 0x6B, 0x72};
inline const QColor good{0x3F, 0x9A, 0x5A};
inline const QColor bad{0xD0, 0x4A, 0x3F};
inline const QColor badLight{0xF8, 0xD7, 0xD2};
inline const QColor key{0xFF, 0x00, 0xFF};  // magenta: "transparent" in slide-in buttons and hints
}  // namespace colour

// The lettering of the pictures (the screen font's family), in pixels.
QFont font(int pixels, bool bold = false);
// The largest font from maxPixels down to minPixels whose text fits the
// rectangle (wrapped at word breaks when wrap is set).
QFont fittedFont(const QString &text, const QSizeF &box, int maxPixels, int minPixels, bool bold, bool wrap);

// A picture of the given size filled with one colour, ready to draw on.
QImage canvas(int width, int height, const QColor &fill = colour::page);
// A painter with antialiasing for shapes and text.
void prepare(QPainter &p);

// A rounded panel with an optional border and a soft shadow below it.
void panel(QPainter &p, const QRectF &r, const QColor &fill, const QColor &border = QColor(), qreal radius = 10,
           bool shadow = false);
// Text in a rectangle, shrunk from maxPixels until it fits.
void text(QPainter &p, const QRectF &r, const QString &s, int maxPixels, const QColor &c, bool bold = false,
          int flags = Qt::AlignCenter, bool wrap = false, int minPixels = 9);

// Screen furniture shared by every 640 x 480 background.
// The title banner over the help area (5, 6) to (544, 81): a heading and a
// second line; the question mark tells that a click on it shows help.
void banner(QPainter &p, const QString &heading, const QString &subheading, bool helpMark);
// The help badge of the exercise screens over (6, 6) to (232, 72).
void helpBadge(QPainter &p, int exercise, const QString &name);
// The soft tray behind the four toolbar buttons at (273, 5), 4 x 91 x 75.
void toolbarTray(QPainter &p);
// The tray behind the single 91 x 75 button at (546, 5) (exit, back).
void cornerTray(QPainter &p);
// The place of a 32 x 32 evaluation mark: page colour under the mark with
// a faint outline, so the mark pictures fit wherever they are shown.
void markSlot(QPainter &p, int left, int top);

// Small line icons used on buttons and help pages, drawn in a square.
enum class Icon { Check, NewPage, Table, Back, Exit, Print, Forward, Question, Speaker, Pencil, Hand, Clock, List };
void icon(QPainter &p, Icon which, const QRectF &square, const QColor &c);

// A 91 x 75 picture button (toolbar, back, exit): icon over a label; lit
// buttons glow in the accent colour.
QImage bigButton(Icon which, const QString &label, bool lit);
// A small slide-in button with magenta where the background shows.
QImage slideButton(int width, int height, Icon which, const QString &label);

// Text k of the course texts (line k of Texty), empty when missing.
QString courseText(const QStringList &texts, int k);
// "01" ... "24".
QString twoDigits(int n);

// Stores the media tree; files whose bytes are unchanged are not rewritten,
// files are replaced atomically. The first failure is kept in error.
class Writer {
public:
    Writer(const QString &mediaDir, QString *error) : m_dir(mediaDir), m_error(error) {}
    // rel uses "\" like the program ("Bitmap\Select\bckg.bmp").
    bool bmp(const QString &rel, const QImage &image);
    bool bytes(const QString &rel, const QByteArray &data);
    QString path(const QString &rel) const;
    bool ok() const { return m_ok; }
    bool fail(const QString &message);

private:
    QString m_dir;
    QString *m_error;
    bool m_ok = true;
};

// Encodes a picture as a 24-bit BMP file.
QByteArray bmpBytes(const QImage &image);

}  // namespace course::media
