// A loadable module that lacks the "SyntaxHighlight" function.

extern "C" __attribute__((visibility("default"))) int NotTheHighlighter() {
    return 0;
}
