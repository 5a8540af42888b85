#pragma once
#include <QString>
#include <exception>
#include <string>

// The one base of every error the system raises; Message() is the text the
// application shows to the user.
class Exception : public std::exception {
 public:
  explicit Exception(QString message);
  const QString& Message() const { return message_; }
  const char* what() const noexcept override { return utf8_.c_str(); }

 private:
  QString message_;
  std::string utf8_;
};

// "Cannot assign a %s to a %s", "'%s' is not a valid integer value".
class EConvertError : public Exception {
 public:
  using Exception::Exception;
  static EConvertError CannotAssign(const QString& sourceClass, const QString& targetClass);
  static EConvertError InvalidInteger(const QString& text);
};

// "Bitmap image is not valid", "Unknown picture file extension (.%s)".
class EInvalidGraphic : public Exception {
 public:
  using Exception::Exception;
  static EInvalidGraphic BitmapNotValid();
  static EInvalidGraphic UnknownExtension(const QString& extension);
};

// "Cannot change the size of a JPEG image".
class EInvalidGraphicOperation : public Exception {
 public:
  using Exception::Exception;
  static EInvalidGraphicOperation CannotResizeJpeg();
};

// "JPEG error #%d".
class EJPEG : public Exception {
 public:
  explicit EJPEG(int code);
  int Code() const { return code_; }

 private:
  int code_;
};

// Folder and file look-ups: "The %s directory does not exist", "The %s file
// does not exist".
class EInOutError : public Exception {
 public:
  using Exception::Exception;
  static EInOutError DirectoryMissing(const QString& path);
  static EInOutError FileMissing(const QString& path);
};

// "Out of memory": memory for pixels could not be had. The object that
// asked for it keeps its previous size and pixels.
class EOutOfMemory : public Exception {
 public:
  EOutOfMemory();
};

// "Cannot create file %s".
class EFCreateError : public Exception {
 public:
  explicit EFCreateError(const QString& path);
};

// "Cannot open file %s".
class EFOpenError : public Exception {
 public:
  explicit EFOpenError(const QString& path);
};
