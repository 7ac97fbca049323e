# Cross-builds the 32-bit ARM Linux edition (Raspberry Pi OS 32-bit, armhf)
# with Debian's g++-arm-linux-gnueabihf. The tests run under Debian's qemu-user.
set(CMAKE_SYSTEM_NAME Linux)
set(CMAKE_SYSTEM_PROCESSOR arm)
set(ORVANELL_TRIPLET arm-linux-gnueabihf)
set(ORVANELL_QEMU qemu-arm)
include(${CMAKE_CURRENT_LIST_DIR}/debian-cross.cmake)
