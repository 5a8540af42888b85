#include "toolkit/windowless/LMDBaseControl.h"

void TLMDBaseControl::SetImageList(TCustomImageList* imageList) {
  if (imageList == imageList_) return;
  if (imageList_) RemoveFreeNotification(imageList_);
  imageList_ = imageList;
  if (imageList_) FreeNotification(imageList_);
  ImageListChanged();
}

void TLMDBaseControl::SetImageIndex(int32_t index) {
  if (index == imageIndex_) return;
  imageIndex_ = index;
  ImageListChanged();
}

void TLMDBaseControl::SetListIndex(int32_t index) {
  if (index == listIndex_) return;
  listIndex_ = index;
  ImageListChanged();
}

void TLMDBaseControl::Notification(TComponent* component, TOperation operation) {
  TLMDControl::Notification(component, operation);
  if (operation == opRemove && component == imageList_) {
    imageList_ = nullptr;
    ImageListChanged();
  }
}
