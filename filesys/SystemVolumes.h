#pragma once
#include <memory>

#include "filesys/Volumes.h"

// The machine's volumes: Qt's storage information, with the device number
// of each mount point and, to tell removable media, where the device hangs
// in the system's device tree.
std::unique_ptr<TVolumeSource> SystemVolumes();
