#pragma once
#include <cstdint>
#include <vector>

enum TOperation : uint8_t { opInsert, opRemove };

// Base of everything a window description creates: the loading state and
// the free notifications by which one component forgets another that is
// being destroyed.
class TComponent {
 public:
  TComponent() = default;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;
  // Tells every component that asked (FreeNotification) before it goes.
  virtual ~TComponent();

  // True between BeginLoading and EndLoading, while a window description
  // hands over its stored properties.
  bool Loading() const { return loading_; }
  void BeginLoading() { loading_ = true; }
  // Ends the loading state through Loaded.
  void EndLoading() { Loaded(); }

  // Component will receive Notification(this, opRemove) when this one is
  // destroyed, and this one likewise when Component is.
  void FreeNotification(TComponent* component);
  void RemoveFreeNotification(TComponent* component);

 protected:
  // Descendants finish their set-up here after calling the base, which
  // clears the loading state.
  virtual void Loaded() { loading_ = false; }
  virtual void Notification(TComponent* component, TOperation operation) {}

 private:
  void Unlink(TComponent* component);

  bool loading_ = false;
  std::vector<TComponent*> freeNotifies_;
};
