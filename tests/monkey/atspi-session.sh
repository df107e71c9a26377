#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Veltrane developers
#
# SPDX-License-Identifier: MIT

# Runs a command with the AT-SPI accessibility bus up in the current D-Bus
# session, as a desktop with a screen reader has it.
launcher=/usr/libexec/at-spi-bus-launcher
"$launcher" --launch-immediately >/dev/null 2>&1 &
pid=$!
for _ in $(seq 50); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus \
    2>/dev/null | grep -q true && break
  sleep 0.1
done
"$@"
rc=$?
kill "$pid" 2>/dev/null
exit $rc
