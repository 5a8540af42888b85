#pragma once
#include <cstdint>

#include "toolkit/windowless/ImageList.h"
#include "toolkit/windowless/LMDControl.h"

// A windowless control linked to a picture of an image list, addressed by
// ListIndex and ImageIndex. Every change of the link runs ImageListChanged;
// the list's destruction unlinks it.
class TLMDBaseControl : public TLMDControl {
 public:
  QString ClassName() const override { return QStringLiteral("TLMDBaseControl"); }

  TCustomImageList* ImageList() const { return imageList_; }
  void SetImageList(TCustomImageList* imageList);
  int32_t ImageIndex() const { return imageIndex_; }
  void SetImageIndex(int32_t index);
  int32_t ListIndex() const { return listIndex_; }
  void SetListIndex(int32_t index);

 protected:
  // The linked picture changed; descendants fetch it.
  virtual void ImageListChanged() {}
  void Notification(TComponent* component, TOperation operation) override;

 private:
  TCustomImageList* imageList_ = nullptr;
  int32_t imageIndex_ = 0;
  int32_t listIndex_ = 0;
};
