# CTest entries of the win and e2e labels (filled by the Wine test layer).
