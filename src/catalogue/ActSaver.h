#pragma once

#include <QString>

class QPageLayout;
class QTextEdit;

// Writes the shown act to a file as PDF (the printed pages), ODF text or
// plain UTF-8 text. The file appears whole or not at all.
namespace ActSaver {

enum class Format { Pdf, Odf, Text };

// The format a chosen file name asks for; a name without a known ending is
// saved as PDF, with ".pdf" added.
Format formatFor(QString& path);

// Empty on success, else what went wrong, for the user.
QString write(QTextEdit& box, const QString& path, Format format, const QString& docName,
              const QPageLayout* paper = nullptr);

} // namespace ActSaver
