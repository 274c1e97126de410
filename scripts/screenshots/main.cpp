// linkwell-screenshots: draws the desktop program's windows into PNG files for the README.
//   linkwell-screenshots [--lang CODE] <folder> [scene ...]   (all scenes when none is named)
// --lang draws the windows in that language (nl, fr, de, pt, es, it; English without it).
// scripts/screenshots.sh runs it under Xvfb.
#include "Screenshots.h"

#include "settings/Language.h"
#include "settings/SettingsStore.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

#include <cstdio>

namespace lw::shots {

void TShot::Save(QWidget& window, const QString& name) {
    window.raise();
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
    const QPixmap body = window.grab();
    const bool titled =
        !window.windowFlags().testFlag(Qt::FramelessWindowHint) && window.windowType() != Qt::Popup;
    const int bar = titled ? 24 : 0;
    QImage image(body.width() + 2, body.height() + bar + 2, QImage::Format_RGB32);
    image.fill(QColor(0x50, 0x50, 0x50));
    QPainter p(&image);
    if (titled) {
        p.fillRect(1, 1, body.width(), bar, QColor(0x2b, 0x57, 0x97));
        p.setPen(Qt::white);
        QFont font = window.font();
        font.setBold(true);
        p.setFont(font);
        p.drawText(QRect(8, 1, body.width() - 8, bar), Qt::AlignVCenter | Qt::AlignLeft,
                   window.windowTitle());
    }
    p.drawPixmap(1, 1 + bar, body);
    p.end();
    const QString file = QDir(FFolder).filePath(name + ".png");
    if (image.save(file)) {
        ++Saved;
        std::printf("%s\n", qPrintable(file));
    } else {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file));
    }
}

} // namespace lw::shots

int main(int argc, char** argv) {
    // Settings of its own: the scenes never touch the user's.
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    lw::gui::ApplySettingsNames();
    QStringList args = app.arguments().mid(1);
    if (args.size() >= 2 && args[0] == "--lang") {
        if (!lw::gui::InstallTranslations(args[1])) {
            std::fprintf(stderr, "no translation for %s\n", qPrintable(args[1]));
            return 2;
        }
        args = args.mid(2);
    }
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: linkwell-screenshots [--lang CODE] <folder> [scene ...]\n");
        return 2;
    }
    QDir().mkpath(args[0]);
    lw::shots::TShot shot(args[0]);
    const QStringList wanted = args.mid(1);
    int failed = 0, ran = 0;
    for (const lw::shots::TScene& scene : lw::shots::Scenes()) {
        if (!wanted.isEmpty() && !wanted.contains(scene.Name)) continue;
        ++ran;
        const int before = shot.Saved;
        scene.Make(shot);
        if (shot.Saved == before) {
            std::fprintf(stderr, "scene %s drew nothing\n", scene.Name);
            ++failed;
        }
    }
    return ran > 0 && failed == 0 ? 0 : 1;
}
