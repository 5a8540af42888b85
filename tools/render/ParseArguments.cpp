#include "tools/render/ParseArguments.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>

#include "tools/render/RenderOptions.h"

namespace {

QString Name(const TRenderOption& option) { return QString::fromLatin1(option.Name); }

int32_t ReadInteger(const QString& text) {
  bool ok = false;
  const int32_t value = text.toInt(&ok, 10);
  if (!ok) throw EConvertError::InvalidInteger(text);
  return value;
}

int32_t ReadBoundedInteger(const TRenderOption& option, const QString& text) {
  const int32_t value = ReadInteger(text);
  if (value < option.Min || value > option.Max)
    throw EUsageError(QStringLiteral("%1: %2 is outside %3 to %4").arg(Name(option)).arg(value).arg(option.Min).arg(option.Max));
  return value;
}

TColor ReadColor(const QString& text) {
  const std::optional<TColor> color = StringToColor(text.trimmed());
  if (!color) throw EConvertError::InvalidInteger(text);
  return *color;
}

// The empty text is the empty list, as the panel's "-" button can leave it.
std::vector<TColor> ReadColorList(const QString& text) {
  std::vector<TColor> colors;
  if (text.isEmpty()) return colors;
  for (const QString& item : text.split(QLatin1Char(','))) colors.push_back(ReadColor(item));
  return colors;
}

TPoint ReadPoint(const TRenderOption& option, const QString& text) {
  const QStringList parts = text.split(QLatin1Char(','));
  if (parts.size() != 2) throw EUsageError(QStringLiteral("%1: '%2' is not X,Y").arg(Name(option), text));
  return {ReadBoundedInteger(option, parts[0].trimmed()), ReadBoundedInteger(option, parts[1].trimmed())};
}

// "12" (points) or "2.5%" (a share of the picture's height, kept in
// thousandths of a percent, so that the height it gives is exact).
TOptionValue ReadFontSize(const TRenderOption& option, const QString& text) {
  TOptionValue value;
  if (!text.endsWith(QLatin1Char('%'))) {
    value.Number = ReadBoundedInteger(option, text);
    return value;
  }
  static const QRegularExpression decimal(QStringLiteral("^(\\d{1,5})(?:\\.(\\d{1,3}))?%$"));
  const QRegularExpressionMatch match = decimal.match(text);
  if (!match.hasMatch())
    throw EUsageError(
        QStringLiteral("%1: '%2' is neither points nor a percentage such as 2.5%").arg(Name(option), text));
  const int32_t thousandths =
      match.captured(1).toInt() * 1000 + match.captured(2).leftJustified(3, QLatin1Char('0')).toInt();
  if (thousandths < kMinFontPercent || thousandths > kMaxFontPercent)
    throw EUsageError(QStringLiteral("%1: %2 is outside 0.1% to 50%").arg(Name(option), text));
  value.Number = thousandths;
  value.Percent = true;
  return value;
}

// An English token or the panel's item name, in any letter case.
uint8_t ReadChoice(const TRenderOption& option, const QString& text) {
  const TChoiceList& list = *option.Choices;
  for (uint8_t i = 0; i < list.Count; ++i) {
    const TChoice& choice = list.Items[i];
    if (text.compare(QString::fromUtf8(choice.Token), Qt::CaseInsensitive) == 0 ||
        text.compare(QString::fromUtf8(choice.Text), Qt::CaseInsensitive) == 0)
      return choice.Value;
  }
  QStringList accepted;
  for (uint8_t i = 0; i < list.Count; ++i) accepted << ChoiceText(list.Items[i]);
  throw EUsageError(QStringLiteral("%1: '%2' is not one of %3").arg(Name(option), text, accepted.join(QStringLiteral(", "))));
}

// "\n" becomes CR LF, as the panel's memo joins its lines; "\\" a backslash.
// A backslash before anything else stays as it is.
QString ReadCaption(const QString& text) {
  QString caption;
  caption.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
    if (text[i] == QLatin1Char('\\') && next == QLatin1Char('n')) {
      caption += QStringLiteral("\r\n");
      ++i;
    } else if (text[i] == QLatin1Char('\\') && next == QLatin1Char('\\')) {
      caption += QLatin1Char('\\');
      ++i;
    } else {
      caption += text[i];
    }
  }
  return caption;
}

TOptionValue ReadValue(const TRenderOption& option, const QString& text) {
  TOptionValue value;
  switch (option.Kind) {
    case okFlag:
      break;
    case okText:
      value.Text = text;
      break;
    case okCaption:
      value.Text = ReadCaption(text);
      break;
    case okInteger:
      value.Number = ReadBoundedInteger(option, text);
      break;
    case okColor:
      value.Number = ReadColor(text);
      break;
    case okColorList:
      value.Colors = ReadColorList(text);
      break;
    case okChoice:
      value.Choice = ReadChoice(option, text);
      break;
    case okPoint:
      value.Point = ReadPoint(option, text);
      break;
    case okFontSize:
      value = ReadFontSize(option, text);
      break;
  }
  return value;
}

// The format an --out file's extension asks for.
TOutputFormat FormatOfFile(const QString& file) {
  const QString extension = QFileInfo(file).suffix().toLower();
  if (extension == QLatin1String("bmp")) return ofBmp;
  if (extension == QLatin1String("jpg") || extension == QLatin1String("jpeg")) return ofJpeg;
  if (extension == QLatin1String("png")) return ofPng;
  throw EUsageError(QStringLiteral("--out: '%1' does not end in .bmp, .jpg, .jpeg or .png").arg(file));
}

// What no single option can check: a background, one place to write to,
// and a format that --keep-jpeg can write.
void CheckWhole(TRenderSettings& settings, const QSet<QString>& given) {
  if (settings.Help || settings.Version) return;
  if (settings.Backgrounds.isEmpty()) throw EUsageError(QStringLiteral("No background picture given (see --help)"));
  const bool formatGiven = given.contains(QStringLiteral("--format"));
  if (given.contains(QStringLiteral("--out"))) {
    if (settings.Backgrounds.size() > 1)
      throw EUsageError(QStringLiteral("--out names one file, but %1 backgrounds are given (see --out-dir)")
                            .arg(settings.Backgrounds.size()));
    if (given.contains(QStringLiteral("--out-dir")))
      throw EUsageError(QStringLiteral("--out and --out-dir cannot be given together"));
    const TOutputFormat format = FormatOfFile(settings.OutFile);
    if (formatGiven && format != settings.Format)
      throw EUsageError(QStringLiteral("--format %1 does not match --out '%2'")
                            .arg(QString::fromLatin1(FormatChoices.Items[settings.Format].Token), settings.OutFile));
    if (settings.KeepJpeg && format != ofJpeg)
      throw EUsageError(QStringLiteral("--keep-jpeg writes JPEG, not --out '%1'").arg(settings.OutFile));
    settings.Format = format;
  }
  if (settings.KeepJpeg) {
    if (formatGiven && settings.Format != ofJpeg)
      throw EUsageError(QStringLiteral("--keep-jpeg writes JPEG, not --format %1")
                            .arg(QString::fromLatin1(FormatChoices.Items[settings.Format].Token)));
    settings.Format = ofJpeg;
  }
}

}  // namespace

TRenderSettings ParseArguments(const QStringList& arguments) {
  TRenderSettings settings;
  QSet<QString> given;
  bool optionsEnded = false;
  for (qsizetype i = 0; i < arguments.size(); ++i) {
    const QString& argument = arguments[i];
    if (optionsEnded || !argument.startsWith(QLatin1Char('-')) || argument == QLatin1String("-")) {
      settings.Backgrounds << argument;
      continue;
    }
    if (argument == QLatin1String("--")) {
      optionsEnded = true;
      continue;
    }
    const qsizetype equals = argument.indexOf(QLatin1Char('='));
    const QString name = equals < 0 ? argument : argument.left(equals);
    const TRenderOption* option = FindRenderOption(name);
    if (!option) throw EUsageError(QStringLiteral("Unknown option %1 (see --help)").arg(name));
    QString text;
    if (option->Kind == okFlag) {
      if (equals >= 0) throw EUsageError(QStringLiteral("%1 takes no value").arg(name));
    } else if (equals >= 0) {
      text = argument.mid(equals + 1);
    } else {
      if (i + 1 >= arguments.size()) throw EUsageError(QStringLiteral("%1 needs a value").arg(name));
      text = arguments[++i];
    }
    option->Store(settings, ReadValue(*option, text));
    given.insert(name);
  }
  CheckWhole(settings, given);
  return settings;
}
