#!/bin/sh
# Starts the phrase book under Wine from its own folder, where sounds/ lies.
here="$(cd "$(dirname "$0")" && pwd)"
cd "$here" || exit 1
exec wine plauderix.exe "$@"
