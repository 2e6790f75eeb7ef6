dim i, s = 0
for i = 1 to 100
  s = s + i
next
ShowMessage(s)
i = 0
s = 0
while i < 10
  i = i + 1
  s = s + i * i
wend
ShowMessage(s)
do
  s = s \ 2
loop until s < 10
ShowMessage(s)
