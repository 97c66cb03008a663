#include "course/lib/Media.h"

#include "platform/curfile.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

// First cut of the media tree: plain pictures with their names, enough for
// the program to start. The drawn course pictures replace these.
namespace course {

namespace {
bool save(const QString &media, const QString &rel, int w, int h, const QString &label, QString *error) {
    const QString path = media + QLatin1Char('/') + QString(rel).replace(QLatin1Char('\\'), QLatin1Char('/'));
    QDir().mkpath(QFileInfo(path).path());
    QImage img(w, h, QImage::Format_RGB32);
    img.fill(QColor(0x2E, 0x6F, 0xB7));
    QPainter p(&img);
    p.setPen(Qt::white);
    p.drawText(img.rect(), Qt::AlignCenter, label);
    p.end();
    if (!img.save(path, "BMP")) {
        if (error) *error = QStringLiteral("cannot write %1").arg(path);
        return false;
    }
    return true;
}

QByteArray silentWav() {
    QByteArray d;
    auto put32 = [&](quint32 v) { for (int i = 0; i < 4; ++i) d.append(char((v >> (8 * i)) & 0xFF)); };
    auto put16 = [&](quint16 v) { d.append(char(v & 0xFF)); d.append(char(v >> 8)); };
    const int samples = 800;
    d.append("RIFF"); put32(36 + samples * 2); d.append("WAVEfmt "); put32(16); put16(1); put16(1);
    put32(16000); put32(32000); put16(2); put16(16); d.append("data"); put32(samples * 2);
    d.append(QByteArray(samples * 2, '\0'));
    return d;
}
}  // namespace

bool buildMedia(const QString &, const QStringList &texts, const QString &media, QString *error) {
    bool ok = save(media, QStringLiteral("Bitmap\\Select\\bckg.bmp"), 640, 480, QStringLiteral("Tutorix Lingvana 1"), error);
    ok = ok && save(media, QStringLiteral("Bitmap\\Intro\\title.bmp"), 640, 480, QStringLiteral("Tutorix Lingvana 1"), error);
    ok = ok && save(media, QStringLiteral("Bitmap\\Help\\autori.bmp"), 640, 480, QStringLiteral("Autoři"), error);
    ok = ok && save(media, QStringLiteral("Bitmap\\Select\\mkone.bmp"), 91, 75, QStringLiteral("Konec"), error);
    ok = ok && save(media, QStringLiteral("Bitmap\\Select\\mkoneh.bmp"), 91, 75, QStringLiteral("KONEC"), error);
    for (int g = 1; g <= 7 && ok; ++g)
        for (int s = 0; s <= 1 && ok; ++s)
            ok = save(media, QStringLiteral("Bitmap\\Select\\l_%1_%2.bmp").arg(g).arg(s), 300, 46,
                      texts.value(1 + 2 * g), error);
    for (int n = 1; n <= 24 && ok; ++n) {
        const QString nn = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
        for (int s = 0; s <= 1 && ok; ++s)
            ok = save(media, QStringLiteral("Bitmap\\Select\\r_%1_%2.bmp").arg(nn).arg(s), 300, 105, nn, error);
        ok = ok && save(media, QStringLiteral("Bitmap\\Setup\\bg%1.bmp").arg(nn), 640, 480, nn, error);
        ok = ok && save(media, QStringLiteral("Bitmap\\Games\\%1_bckg.bmp").arg(nn), 640, 480, nn, error);
        ok = ok && save(media, QStringLiteral("Bitmap\\Tab\\%1.bmp").arg(nn), 640, 480, nn, error);
    }
    QDir().mkpath(media + QStringLiteral("/Cur"));
    QDir().mkpath(media + QStringLiteral("/Sound"));
    QImage arrow(32, 32, QImage::Format_ARGB32);
    arrow.fill(Qt::transparent);
    QPainter p(&arrow);
    p.setBrush(Qt::white);
    p.setPen(Qt::black);
    p.drawPolygon(QPolygon({QPoint(0, 0), QPoint(0, 20), QPoint(12, 12)}));
    p.end();
    for (const char *name : {"Arrow", "Hand", "Help"}) {
        QFile f(media + QStringLiteral("/Cur/%1.cur").arg(QLatin1String(name)));
        ok = ok && f.open(QIODevice::WriteOnly) && f.write(platform::encodeCursorFile(arrow, {0, 0})) > 0;
    }
    for (const char *name : {"click", "enter"}) {
        QFile f(media + QStringLiteral("/Sound/%1.wav").arg(QLatin1String(name)));
        ok = ok && f.open(QIODevice::WriteOnly) && f.write(silentWav()) > 0;
    }
    return ok;
}

}  // namespace course
