#pragma once
// The pictures the manual's Markdown names ("![caption](file.png)", relative to the
// Markdown's folder), read and put in place in the text for the help window, the PDF and the
// copy of the manual installed for the help window.

#include <QDir>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QTextDocument>
#include <functional>
#include <optional>

namespace brontaxe::manual {

// The help window shows pictures at most this wide (screenshots of the whole window are
// wider); the copy installed for it keeps no more.
inline constexpr int kHelpPictureWidth = 760;

// Scales a picture read for the text if need be and returns the size it is shown at, in the
// document's units.
using FitPicture = std::function<QSizeF(QImage& picture)>;

// What becomes of a picture the Markdown names and its folder lacks.
enum class MissingPicture {
    Refuse,  // nothing is shown without it: its path is returned
    Say,     // "[image introuvable : file.png]" written in its place
};

// The file a picture name of the Markdown stands for.
QString picturePath(const QDir& markdownFolder, const QString& name);

// Every picture the document names, read from `folder`, fitted by `fit` and put in place.
// Returns the path of a missing picture when `missing` is Refuse.
std::optional<QString> placePictures(QTextDocument& doc, const QDir& folder, const FitPicture& fit,
                                     MissingPicture missing);

// A picture no wider than the help window shows it.
QSizeF fitToHelpWindow(QImage& picture);

// The manual as the help window reads it once installed: the Markdown in `folder` with every
// picture beside it under its own file name, each no wider than the help window shows it.
// Returns what could not be read or written.
std::optional<QString> writeHelpCopy(const QString& markdown, const QDir& folder);

}  // namespace brontaxe::manual
