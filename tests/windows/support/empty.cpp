// Keeps the support library non-empty when no helper sources exist yet.
