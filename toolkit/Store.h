#pragma once

// The first step of every setter: a value equal to the one held changes
// nothing. Stores Value in Field; true when that changed it, and the
// setter then reports the change once.
template <typename T>
bool Store(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}
