#pragma once
// The example variants and the files the tools write, as the tool tests read them.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <string>

#include "variant_run/variant_file.h"

namespace rc {

inline const std::string kVariants = RC_VARIANTS_DIR;

// The file's bytes; empty when it cannot be read.
inline QByteArray FileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The variant file read and parsed; a file that does not parse is a failure.
inline Variant ReadVariant(const std::string& path) {
  Variant v;
  const QByteArray text = FileBytes(QString::fromStdString(path));
  EXPECT_FALSE(text.isEmpty()) << path;
  EXPECT_FALSE(ParseVariant(text.toStdString(), v).has_value()) << path;
  return v;
}

}  // namespace rc
