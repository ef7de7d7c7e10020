#include "app/manual/manual_pictures.h"

#include <QFile>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextFragment>
#include <QUrl>
#include <vector>

namespace brontaxe::manual {
namespace {

struct Spot {
    int position;
    int length;
    QTextImageFormat format;
};

// Where the document shows a picture, from its end to its start: a spot replaced by a text
// of another length leaves the ones still to come in place.
std::vector<Spot> pictureSpots(const QTextDocument& doc) {
    std::vector<Spot> spots;
    for (QTextBlock b = doc.lastBlock(); b.isValid(); b = b.previous()) {
        std::vector<Spot> inBlock;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            if (f.charFormat().isImageFormat())
                inBlock.push_back({f.position(), f.length(), f.charFormat().toImageFormat()});
        }
        spots.insert(spots.end(), inBlock.rbegin(), inBlock.rend());
    }
    return spots;
}

std::optional<QString> readText(const QString& path, QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("impossible de lire %1").arg(path);
    text = QString::fromUtf8(file.readAll());
    return std::nullopt;
}

std::optional<QString> writeText(const QString& path, const QString& text) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(text.toUtf8()) < 0 ||
        !file.flush())
        return QStringLiteral("impossible d'écrire %1").arg(path);
    return std::nullopt;
}

// A picture already narrow enough is copied as it is, the others scaled.
std::optional<QString> copyPicture(const QString& from, const QString& to) {
    QImage picture(from);
    if (picture.isNull())
        return QStringLiteral("image introuvable : %1").arg(from);
    QFile::remove(to);
    const bool done =
        picture.width() <= kHelpPictureWidth
            ? QFile::copy(from, to)
            : picture.scaledToWidth(kHelpPictureWidth, Qt::SmoothTransformation).save(to, "PNG");
    if (!done)
        return QStringLiteral("impossible d'écrire %1").arg(to);
    return std::nullopt;
}

}  // namespace

QString picturePath(const QDir& markdownFolder, const QString& name) {
    return QDir::cleanPath(markdownFolder.filePath(name));
}

std::optional<QString> placePictures(QTextDocument& doc, const QDir& folder, const FitPicture& fit,
                                     MissingPicture missing) {
    const std::vector<Spot> spots = pictureSpots(doc);
    QTextCursor edit(&doc);
    edit.beginEditBlock();  // one layout for all the changes, not one a change
    for (Spot s : spots) {
        const QString name = s.format.name();
        QTextCursor c(&doc);
        c.setPosition(s.position);
        c.setPosition(s.position + s.length, QTextCursor::KeepAnchor);
        QImage picture(picturePath(folder, name));
        if (picture.isNull()) {
            if (missing == MissingPicture::Refuse) {
                edit.endEditBlock();
                return picturePath(folder, name);
            }
            c.insertText(QStringLiteral("[image introuvable : %1]").arg(name));
            continue;
        }
        const QSizeF shown = fit(picture);
        doc.addResource(QTextDocument::ImageResource, QUrl(name), picture);
        s.format.setWidth(shown.width());
        s.format.setHeight(shown.height());
        c.setCharFormat(s.format);
    }
    edit.endEditBlock();
    return std::nullopt;
}

QSizeF fitToHelpWindow(QImage& picture) {
    if (picture.width() > kHelpPictureWidth)
        picture = picture.scaledToWidth(kHelpPictureWidth, Qt::SmoothTransformation);
    return picture.size();
}

std::optional<QString> writeHelpCopy(const QString& markdown, const QDir& folder) {
    QString text;
    if (auto problem = readText(markdown, text))
        return problem;
    if (!folder.mkpath(QStringLiteral(".")))
        return QStringLiteral("impossible de créer %1").arg(folder.path());
    // No picture the manual no longer names is left there.
    for (const QString& old : folder.entryList({QStringLiteral("*.png")}, QDir::Files))
        QFile::remove(folder.filePath(old));
    QTextDocument doc;
    doc.setMarkdown(text, QTextDocument::MarkdownDialectGitHub);
    const QDir source = QFileInfo(markdown).absoluteDir();
    for (const Spot& s : pictureSpots(doc)) {
        const QString name = s.format.name();
        const QString file = QFileInfo(name).fileName();
        if (auto problem = copyPicture(picturePath(source, name), folder.filePath(file)))
            return problem;
        text.replace(QStringLiteral("](%1)").arg(name), QStringLiteral("](%1)").arg(file));
    }
    return writeText(folder.filePath(QStringLiteral("manuel.md")), text);
}

}  // namespace brontaxe::manual
