// Anchors the target that compiles the shared precompiled header.
