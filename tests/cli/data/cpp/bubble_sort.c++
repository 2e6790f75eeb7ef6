{
  int a[1..10], i, j, t;
  bool swapped;
  string line = "";
  a[1] = 5; a[2] = 3; a[3] = 9; a[4] = 1; a[5] = 7;
  a[6] = 2; a[7] = 8; a[8] = 6; a[9] = 4; a[10] = 0;
  do {
    swapped = false;
    for (i = 1; i <= 9; i++)
      if (a[i] > a[i + 1]) { t = a[i]; a[i] = a[i + 1]; a[i + 1] = t; swapped = true; }
  } while (swapped);
  for (j = 1; j <= 10; j++) line = line + IntToStr(a[j]);
  ShowMessage(line);
}
