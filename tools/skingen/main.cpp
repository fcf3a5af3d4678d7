// skingen: draws the 31 skin pictures of the configurator from its region tables, so the
// art always lines up with the places the program draws and hit-tests.
//
//   skingen OUTDIR [--preview DIR]
//
// OUTDIR receives the skins; with --preview, DIR also receives PNG copies and composed
// frames of every window in every language.

#include "preview.h"
#include "skin_set.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QString outDir;
    QString previewDir;
    for (int i = 0; i < args.size(); ++i) {
        if (args[i] == QLatin1String("--preview") && i + 1 < args.size()) {
            previewDir = args[++i];
        } else if (outDir.isEmpty() && !args[i].startsWith(QLatin1String("--"))) {
            outDir = args[i];
        } else {
            outDir.clear();
            break;
        }
    }
    if (outDir.isEmpty()) {
        std::fprintf(stderr, "usage: skingen OUTDIR [--preview DIR]\n");
        return 2;
    }

    const std::vector<skingen::Skin> skins = skingen::renderSkins();
    QString error = skingen::writeSkins(skins, outDir);
    if (error.isEmpty() && !previewDir.isEmpty()) {
        error = skingen::writePreviews(skins, previewDir);
    }
    if (!error.isEmpty()) {
        std::fprintf(stderr, "skingen: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}
