var i, s = 0;
for (i = 1; i <= 100; i++) s += i;
ShowMessage(s);
i = 0; s = 0;
while (i < 10) { i++; s = s + i * i; }
ShowMessage(s);
do { s = s div 2; } while (s >= 10);
ShowMessage(s);
