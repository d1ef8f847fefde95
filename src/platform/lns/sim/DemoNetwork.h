#pragma once

#include <filesystem>

namespace lns {

// Creates the network "Demo" in the Object Server of `machineRoot`: one device template per model (imported
// from <interfaceFolder>/<model>.xif) and one for another maker's meter, and
//   Floor 1: Room 101, Room 102 (qvrl206, online), Room 103 (qvrl206, Cnfg Offline), Room 104 (qvrl207,
//   online) Floor 2: Room 201 (qvrl105, online), Room 202 (qvrl106, online), Room 203 (qvrl106,
//   Unconfigured),
//            Meter 1 (the meter, online)
// every device commissioned and holding its template's delivered values. Throws LnsError
// (kLnsAlreadyExists) when the machine root has a network "Demo" already.
void CreateDemoNetwork(const std::filesystem::path& machineRoot,
                       const std::filesystem::path& interfaceFolder);

}  // namespace lns
