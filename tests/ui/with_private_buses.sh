#!/usr/bin/env bash
# Runs a command with a session bus and a system bus of its own, neither of them the machine's:
# DBUS_SESSION_BUS_ADDRESS and DBUS_SYSTEM_BUS_ADDRESS point at two private daemons, which
# activate no services, so only what the command starts answers there. FARB_PRIVATE_BUSES tells
# the command so; a test that must not reach the machine's buses refuses to run without it.
# Usage: with_private_buses.sh COMMAND [ARGUMENT...]
set -euo pipefail

scratch=$(mktemp -d)
trap 'kill "${system_pid:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
cat >"$scratch/bus.conf" <<CONF
<!DOCTYPE busconfig PUBLIC "-//freedesktop//DTD D-Bus Bus Configuration 1.0//EN"
 "http://www.freedesktop.org/standards/dbus/1.0/busconfig.dtd">
<busconfig>
  <type>session</type>
  <listen>unix:dir=$scratch</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
    <allow own="*"/>
  </policy>
</busconfig>
CONF
{ read -r system_address; read -r system_pid; } < <(
    dbus-daemon --config-file="$scratch/bus.conf" --fork --print-address=1 --print-pid=1)
DBUS_SYSTEM_BUS_ADDRESS=$system_address FARB_PRIVATE_BUSES=1 \
    dbus-run-session --config-file="$scratch/bus.conf" -- "$@"
