// Commands of the module (this line is copied as it is)
//L #define LANGUAGE %1!d!
//G>
//G+#define GROUP_%2!d! %2 // %3!d! commands
//C>
//C+#define G%2!d!_%4 %5!d!
//C^
//G^
// end
