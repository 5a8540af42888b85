#include "toolkit/LMDObject.h"

#include "toolkit/Exceptions.h"

void TLMDObject::NotifyChange() {
  if (!updating_ && OnChange) OnChange(this);
}

void TLMDObject::ReleaseChanges(bool notify) {
  updating_ = false;
  if (notify) NotifyChange();
}

void TLMDObject::CopyFrom(const TLMDObject* source) { RefuseSource(source); }

void TLMDObject::RefuseSource(const TLMDObject* source) const {
  throw EConvertError::CannotAssign(source ? source->ClassName() : QStringLiteral("nil"), ClassName());
}
