#pragma once
// Small routines shared by the windows and the generation that need no window.

#include <QString>

#include <string>

namespace morvessa {

// The product name; the source of the application title and the main window's caption.
inline constexpr const char* kProductName = "Morvessa";

// True when the file's last-change time can be read (the file exists and is reachable). An empty
// path, a folder path that is not a file, or any failure gives false. Never throws.
bool FileExists(const QString& path);
bool FileExists(const std::string& path);
bool FileExists(const char* path);

// Deletes a file and never reports whether it worked. Pending Qt events are processed first (when
// a QCoreApplication exists); when the plain delete fails, the file is made writable and deleted
// again (the forced delete, which also removes read-only files). A missing file is no error. A link
// is removed itself; nothing is followed through it, its target's permissions least of all.
void DeleteFileQuietly(const QString& path);
void DeleteFileQuietly(const std::string& path);
void DeleteFileQuietly(const char* path);

// The user's decimal separator, one character: the second character of 0.5 written in the current
// default QLocale ("." for English, "," for German).
QString LocalDecimalSeparator();

// toPoint: every local decimal separator becomes ".". Otherwise every "." and then every ","
// becomes the local separator. Plain, case-sensitive replacement of every occurrence.
QString ConvertDecimalSeparator(const QString& text, bool toPoint);

// The title-cutting rule on its own: repeatedly drop the last blank and everything after it until
// at most 40 characters remain; at least one cut is made. A name without any blank has nothing to
// cut and is returned whole (so the one-word product name is its own title).
QString ApplicationTitleFor(const QString& productName);

// Sets the application title from kProductName (also the QCoreApplication's name when one exists).
void SetApplicationTitle();
// The title message boxes show when they name none of their own ("Morvessa" before and after
// SetApplicationTitle, since the product name is one word).
QString ApplicationTitle();

// The temporary folder: the environment variable TEMP when it is set and not empty, otherwise the
// system's temporary folder (QDir::tempPath()). No trailing separator.
QString TempFolder();

}  // namespace morvessa
