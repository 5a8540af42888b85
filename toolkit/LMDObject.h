#pragma once
#include <QString>
#include <functional>

#include "toolkit/Store.h"

// Base of the option objects a control owns. The owner installs OnChange;
// setters call NotifyChange once per real change, which holds back while
// changes are held.
class TLMDObject {
 public:
  using TNotifyEvent = std::function<void(TLMDObject* sender)>;

  TLMDObject() = default;
  TLMDObject(const TLMDObject&) = delete;
  TLMDObject& operator=(const TLMDObject&) = delete;
  virtual ~TLMDObject() = default;

  // The system's class name, used in assignment errors.
  virtual QString ClassName() const { return QStringLiteral("TLMDObject"); }

  TNotifyEvent OnChange;

  // Calls OnChange with this object unless changes are held or nobody listens.
  // Descendants recompute derived values here before notifying.
  virtual void NotifyChange();
  void HoldChanges() { updating_ = true; }
  void ReleaseChanges(bool notify);
  bool Updating() const { return updating_; }

  // Copies every setting of Source, notifying once. A source this class
  // cannot take (a null one included) is refused with EConvertError.
  virtual void CopyFrom(const TLMDObject* source);

 protected:
  // Throws the framework's "Cannot assign a %s to a %s" for Source.
  [[noreturn]] void RefuseSource(const TLMDObject* source) const;

 private:
  bool updating_ = false;
};
