#pragma once
// A temporary folder to list, and the process's current folder put back
// afterwards, since listing a folder makes it the current one.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <string>

class FolderFixture : public ::testing::Test {
 protected:
  ~FolderFixture() override { QDir::setCurrent(savedCurrent_); }

  QString Path(const QString& relative = QString()) const {
    return relative.isEmpty() ? dir_.path() : dir_.filePath(relative);
  }
  void Touch(const QString& relative, const QByteArray& content = QByteArray()) const {
    QFile file(Path(relative));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << relative.toStdString();
    file.write(content);
  }
  void MakeFolder(const QString& relative) const { ASSERT_TRUE(QDir().mkpath(Path(relative))); }
  void Link(const QString& target, const QString& relative) const {
    ASSERT_TRUE(QFile::link(target, Path(relative))) << relative.toStdString();
  }

 private:
  const QString savedCurrent_ = QDir::currentPath();
  QTemporaryDir dir_;
};

inline std::string Text(const QStringList& list) { return list.join(QLatin1Char('|')).toStdString(); }
