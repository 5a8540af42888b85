#include "toolkit/windowless/Component.h"

#include <algorithm>

TComponent::~TComponent() {
  // Take the list first: a Notification may ask to be removed from it.
  const std::vector<TComponent*> others = std::move(freeNotifies_);
  freeNotifies_.clear();
  for (TComponent* other : others) other->Unlink(this);
  for (TComponent* other : others) other->Notification(this, opRemove);
}

void TComponent::FreeNotification(TComponent* component) {
  if (component == nullptr || component == this) return;
  if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
    freeNotifies_.push_back(component);
  if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
      component->freeNotifies_.end())
    component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component) {
  if (component == nullptr) return;
  Unlink(component);
  component->Unlink(this);
}

void TComponent::Unlink(TComponent* component) {
  freeNotifies_.erase(std::remove(freeNotifies_.begin(), freeNotifies_.end(), component), freeNotifies_.end());
}
