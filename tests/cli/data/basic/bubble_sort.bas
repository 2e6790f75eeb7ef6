dim a[1..10], line = ""
a[1] = 5 : a[2] = 3 : a[3] = 9 : a[4] = 1 : a[5] = 7
a[6] = 2 : a[7] = 8 : a[8] = 6 : a[9] = 4 : a[10] = 0
do
  swapped = false
  for i = 1 to 9
    if a[i] > a[i + 1] then
      t = a[i]
      a[i] = a[i + 1]
      a[i + 1] = t
      swapped = true
    end if
  next
loop while swapped
for j = 1 to 10
  line = line & IntToStr(a[j])
next
ShowMessage(line)
