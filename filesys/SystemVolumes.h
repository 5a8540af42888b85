#pragma once
#include <memory>

#include "filesys/Volumes.h"

// The machine's volumes: the storage mounts of the kernel's mount table
// (/proc/self/mountinfo), each with its device number, label and, to tell
// removable media, where its device hangs in the system's device tree; the
// home folder from HOME. The table is watched from the event loop: every
// mount and unmount raises OnChange.
std::unique_ptr<TVolumeSource> SystemVolumes();
