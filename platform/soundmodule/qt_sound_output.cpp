// The sound module: the program's two channels played by QSoundEffect.
#include "platform/soundoutput.h"

#include <QCoreApplication>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {

class QtSoundOutput final : public platform::SoundOutput {
public:
    ~QtSoundOutput() override { qDeleteAll(m_effects); }

    void play(int channel, const QString &nativePath) override {
        if (channel != 0 && channel != 1) return;
        stop(channel);
        // The same file on the other channel needs its own player, or playing
        // it as an effect would restart the recording.
        QSoundEffect *&effect = m_effects[QString::number(channel) + nativePath];
        if (!effect) {
            effect = new QSoundEffect;
            effect->setSource(QUrl::fromLocalFile(nativePath));
        }
        m_playing[channel] = effect;
        effect->play();  // plays once loaded; a missing device just stays silent
    }

    void stop(int channel) override {
        if (channel != 0 && channel != 1) return;
        if (m_playing[channel]) m_playing[channel]->stop();
        m_playing[channel] = nullptr;
    }

private:
    QHash<QString, QSoundEffect *> m_effects;
    QSoundEffect *m_playing[2] = {nullptr, nullptr};
};

}  // namespace

extern "C" Q_DECL_EXPORT platform::SoundOutput *tutorix_create_sound_output() { return new QtSoundOutput; }
