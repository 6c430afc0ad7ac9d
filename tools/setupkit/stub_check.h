// Packages are appended only to a bare setup program of ours.
#pragma once

#include <string>

namespace sk::tool {

// Empty when path is a setup.exe of ours without a package; else why it is not.
std::string StubProblem(const std::string& path);

// The setup.exe beside the running program: the default stub.
std::string DefaultStubPath();

}  // namespace sk::tool
