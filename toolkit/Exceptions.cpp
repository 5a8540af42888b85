#include "toolkit/Exceptions.h"

Exception::Exception(QString message) : message_(std::move(message)), utf8_(message_.toStdString()) {}

EConvertError EConvertError::CannotAssign(const QString& sourceClass, const QString& targetClass) {
  return EConvertError(QStringLiteral("Cannot assign a %1 to a %2").arg(sourceClass, targetClass));
}

EConvertError EConvertError::InvalidInteger(const QString& text) {
  return EConvertError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

EInvalidGraphic EInvalidGraphic::BitmapNotValid() { return EInvalidGraphic(QStringLiteral("Bitmap image is not valid")); }

EInvalidGraphic EInvalidGraphic::UnknownExtension(const QString& extension) {
  return EInvalidGraphic(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
}

EInvalidGraphicOperation EInvalidGraphicOperation::CannotResizeJpeg() {
  return EInvalidGraphicOperation(QStringLiteral("Cannot change the size of a JPEG image"));
}

EJPEG::EJPEG(int code) : Exception(QStringLiteral("JPEG error #%1").arg(code)), code_(code) {}

EInOutError EInOutError::DirectoryMissing(const QString& path) {
  return EInOutError(QStringLiteral("The %1 directory does not exist").arg(path));
}

EInOutError EInOutError::FileMissing(const QString& path) {
  return EInOutError(QStringLiteral("The %1 file does not exist").arg(path));
}

EOutOfMemory::EOutOfMemory() : Exception(QStringLiteral("Out of memory")) {}

EFCreateError::EFCreateError(const QString& path) : Exception(QStringLiteral("Cannot create file %1").arg(path)) {}

EFOpenError::EFOpenError(const QString& path) : Exception(QStringLiteral("Cannot open file %1").arg(path)) {}
