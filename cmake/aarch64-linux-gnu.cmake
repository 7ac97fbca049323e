# Cross-builds the 64-bit ARM Linux edition (Raspberry Pi OS 64-bit, arm64)
# with Debian's g++-aarch64-linux-gnu. The tests run under Debian's qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR aarch64)
set(ORVANELL_TRIPLET aarch64-linux-gnu)
set(ORVANELL_QEMU qemu-aarch64)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
