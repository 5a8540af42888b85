#include <gtest/gtest.h>

#include "toolkit/Exceptions.h"
#include "toolkit/LMDObject.h"

namespace {

class TCounterObject : public TLMDObject {
 public:
  QString ClassName() const override { return QStringLiteral("TCounterObject"); }
};

}  // namespace

TEST(LMDObject, NotifyChangeCallsOnChangeWithTheSenderUnlessHeld) {
  TCounterObject object;
  std::vector<TLMDObject*> senders;
  object.NotifyChange();  // no callback: nothing happens
  object.OnChange = [&](TLMDObject* sender) { senders.push_back(sender); };
  object.NotifyChange();
  ASSERT_EQ(senders.size(), 1u);
  EXPECT_EQ(senders[0], &object);

  object.HoldChanges();
  object.NotifyChange();
  object.NotifyChange();
  EXPECT_EQ(senders.size(), 1u);
  object.ReleaseChanges(false);
  EXPECT_EQ(senders.size(), 1u);
  EXPECT_FALSE(object.Updating());

  object.HoldChanges();
  object.ReleaseChanges(true);
  EXPECT_EQ(senders.size(), 2u);
}

TEST(LMDObject, CopyFromAnUnrelatedOrMissingSourceIsRefusedWithBothClassNames) {
  TCounterObject target;
  TLMDObject other;
  try {
    target.CopyFrom(&other);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a TLMDObject to a TCounterObject");
  }
  try {
    target.CopyFrom(nullptr);
    FAIL() << "no exception";
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message(), "Cannot assign a nil to a TCounterObject");
  }
}

TEST(Exceptions, MessagesAreTheSystemsOwnTexts) {
  EXPECT_EQ(EConvertError::InvalidInteger("12x").Message(), "'12x' is not a valid integer value");
  EXPECT_EQ(EFCreateError("/tmp/a/1.bmp").Message(), "Cannot create file /tmp/a/1.bmp");
  EXPECT_EQ(EFOpenError("x.bmp").Message(), "Cannot open file x.bmp");
  EXPECT_EQ(EInvalidGraphic::BitmapNotValid().Message(), "Bitmap image is not valid");
  EXPECT_EQ(EInvalidGraphic::UnknownExtension("png").Message(), "Unknown picture file extension (.png)");
  EXPECT_EQ(EJPEG(42).Message(), "JPEG error #42");
  EXPECT_EQ(EJPEG(42).Code(), 42);
  EXPECT_EQ(EInvalidGraphicOperation::CannotResizeJpeg().Message(), "Cannot change the size of a JPEG image");
  EXPECT_EQ(EInOutError::DirectoryMissing("/x").Message(), "The /x directory does not exist");
  EXPECT_EQ(EInOutError::FileMissing("/x/y").Message(), "The /x/y file does not exist");
  EXPECT_STREQ(EFOpenError("Картинка.bmp").what(), "Cannot open file Картинка.bmp");
  // One base catches them all.
  EXPECT_THROW(throw EJPEG(1), Exception);
}
